#pragma once
// The 95 spooler's monitor table: ANSI functions in slot order, with an
// OpenPortEx slot the monitor leaves empty and no AddPortEx slot at all.

#include <windows.h>

namespace portmon {

struct AnsiMonitorTable {
  BOOL(WINAPI* pfnEnumPorts)(LPSTR server, DWORD level, LPBYTE ports, DWORD size, LPDWORD needed,
                             LPDWORD returned);
  BOOL(WINAPI* pfnOpenPort)(LPSTR name, PHANDLE handle);
  BOOL(WINAPI* pfnOpenPortEx)(LPSTR name, LPSTR printerName, PHANDLE handle, void* monitor);
  BOOL(WINAPI* pfnStartDocPort)(HANDLE port, LPSTR printerName, DWORD jobId, DWORD level,
                                LPBYTE docInfo);
  BOOL(WINAPI* pfnWritePort)(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD written);
  BOOL(WINAPI* pfnReadPort)(HANDLE port, LPBYTE buffer, DWORD size, LPDWORD read);
  BOOL(WINAPI* pfnEndDocPort)(HANDLE port);
  BOOL(WINAPI* pfnClosePort)(HANDLE port);
  BOOL(WINAPI* pfnAddPort)(LPSTR server, HWND owner, LPSTR monitorName);
  BOOL(WINAPI* pfnConfigurePort)(LPSTR server, HWND owner, LPSTR portName);
  BOOL(WINAPI* pfnDeletePort)(LPSTR server, HWND owner, LPSTR portName);
  BOOL(WINAPI* pfnGetPrinterDataFromPort)(HANDLE port, DWORD code, LPSTR valueName, LPSTR input,
                                          DWORD inputSize, LPSTR output, DWORD outputSize,
                                          LPDWORD returned);
  BOOL(WINAPI* pfnSetPortTimeOuts)(HANDLE port, LPCOMMTIMEOUTS timeouts, DWORD reserved);
};

}  // namespace portmon
