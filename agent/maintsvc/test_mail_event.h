#pragma once
// The event another program sets to ask the service for a test mail. Any
// user's program may set it, so it carries a descriptor that grants
// everyone everything rather than the service account's default.

#include <windows.h>

#include <vector>

#include "common/win/kernel_handle.h"

namespace maintsvc {

inline constexpr char kTestMailEventName[] = "DAV_TEST_MAIL";

// Self-relative: one access-allowed entry granting generic-all to the
// world SID, the world SID as group, no owner. Empty on failure.
std::vector<BYTE> TestMailSecurity();

// Manual reset, not signalled; an existing one is opened. Null on failure.
KernelHandle CreateTestMailEvent();

}  // namespace maintsvc
