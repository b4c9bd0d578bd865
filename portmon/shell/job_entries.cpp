// The job entries: carrying a job over TCP 9100 comes with the job layer.
#include "portmon/shell/port_entries.h"

namespace portmon {

BOOL WINAPI StartDocPortEntry(HANDLE, LPWSTR, DWORD, DWORD, LPBYTE) {
  SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}

BOOL WINAPI WritePortEntry(HANDLE, LPBYTE, DWORD, LPDWORD written) {
  if (written != nullptr) *written = 0;
  SetLastError(ERROR_NOT_SUPPORTED);
  return FALSE;
}

BOOL WINAPI ReadPortEntry(HANDLE, LPBYTE, DWORD, LPDWORD read) {
  if (read != nullptr) *read = 0;
  SetLastError(ERROR_BUSY);
  return FALSE;
}

BOOL WINAPI EndDocPortEntry(HANDLE) { return TRUE; }

}  // namespace portmon
