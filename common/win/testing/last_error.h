#pragma once
// A stale last error cannot pass a check: the error is preset to a value no
// call sets before the call whose error is then checked.
//
//   PresetLastError();
//   EXPECT_FALSE(entry(...));
//   EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

#include <windows.h>

namespace testkit {

inline constexpr DWORD kStaleError = 0xDEADBEEF;

inline void PresetLastError() { SetLastError(kStaleError); }

}  // namespace testkit
