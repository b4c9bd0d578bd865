#pragma once
// The spooler's entries into the monitor, shared by every build.

#include <windows.h>
#include <winsplp.h>

#include "portmon/core/net_port.h"

namespace portmon {

// C names, so that a build may export them under the spooler's names.
extern "C" {
BOOL WINAPI EnumPortsEntry(LPWSTR server, DWORD level, LPBYTE ports, DWORD size, LPDWORD needed,
                           LPDWORD returned);
BOOL WINAPI EnumPortsAnsiEntry(LPSTR server, DWORD level, LPBYTE ports, DWORD size,
                               LPDWORD needed, LPDWORD returned);
BOOL WINAPI OpenPortEntry(LPWSTR name, PHANDLE handle);
BOOL WINAPI ClosePortEntry(HANDLE handle);
BOOL WINAPI AddPortEntry(LPWSTR server, HWND owner, LPWSTR monitorName);
BOOL WINAPI AddPortExEntry(LPWSTR server, DWORD level, LPBYTE buffer, LPWSTR monitorName);
BOOL WINAPI ConfigurePortEntry(LPWSTR server, HWND owner, LPWSTR portName);
BOOL WINAPI DeletePortEntry(LPWSTR server, HWND owner, LPWSTR portName);
BOOL WINAPI GetPrinterDataFromPortEntry(HANDLE handle, DWORD code, LPWSTR valueName,
                                        LPWSTR input, DWORD inputSize, LPWSTR output,
                                        DWORD outputSize, LPDWORD returned);
BOOL WINAPI SetPortTimeOutsEntry(HANDLE handle, LPCOMMTIMEOUTS timeouts, DWORD reserved);

BOOL WINAPI StartDocPortEntry(HANDLE handle, LPWSTR printerName, DWORD jobId, DWORD level,
                              LPBYTE docInfo);
BOOL WINAPI WritePortEntry(HANDLE handle, LPBYTE buffer, DWORD size, LPDWORD written);
BOOL WINAPI ReadPortEntry(HANDLE handle, LPBYTE buffer, DWORD size, LPDWORD read);
BOOL WINAPI EndDocPortEntry(HANDLE handle);
}
// The 95 line's cancel request, which arrives through GetPrinterDataFromPort.
BOOL CancelPortJob(NetPort& port);

// The monitor table in slot order (the NT 4.0 form, with AddPortEx).
void FillMonitorTable(MONITOR& table);

}  // namespace portmon
