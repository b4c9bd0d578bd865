#pragma once
// Who the service is to the service control manager, the event log and the
// console.

#include <windows.h>

namespace maintsvc {

inline constexpr char kServiceName[] = "NRVRMM";  // also the event-log source
inline constexpr char kDisplayName[] = "NRV Remote Maintenance Manager";
inline constexpr DWORD kStartWaitHint = 3000;  // milliseconds

}  // namespace maintsvc
