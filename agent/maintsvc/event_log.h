#pragma once
// Failed calls of the service frame go to the event log, as one error entry
// each; the last error of the latest entry becomes the exit code of the
// final stopped report.

#include <windows.h>

namespace maintsvc {

// Writes the entry for the calling thread's last error; nothing while
// debugging.
void LogServiceError(const char* failedCall);

// The last error saved by the latest entry; 0 when none was written.
DWORD LastLoggedError();

}  // namespace maintsvc
