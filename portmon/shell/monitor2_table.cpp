#include "portmon/shell/monitor2_table.h"

#include <cstring>
#include <string>

#include "common/win/entry_guard.h"
#include "portmon/shell/port_entries.h"
#include "portmon/shell/port_registry.h"

namespace portmon {
namespace {

// The port list is one per process, so the monitor handle tells nothing.

BOOL WINAPI EnumPorts2(HANDLE, LPWSTR server, DWORD level, LPBYTE ports, DWORD size,
                      LPDWORD needed, LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return EnumPortsEntry(server, level, ports, size, needed, returned);
  });
}

BOOL WINAPI OpenPort2(HANDLE, LPWSTR name, PHANDLE handle) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL { return OpenPortEntry(name, handle); });
}

BOOL WINAPI AddPort2(HANDLE, LPWSTR server, HWND owner, LPWSTR monitorName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return AddPortEntry(server, owner, monitorName);
  });
}

// These spoolers send a port's calls to the monitor under whose key the
// port has a subkey; AddPortEx alone writes only the port's value.
BOOL WINAPI AddPortEx2(HANDLE, LPWSTR server, DWORD level, LPBYTE buffer, LPWSTR monitorName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    if (!AddPortExEntry(server, level, buffer, monitorName)) return FALSE;
    std::wstring name(*reinterpret_cast<LPWSTR*>(buffer));
    if (WritePortSubkey(name)) return TRUE;
    DeletePortEntry(server, nullptr, name.data());
    return FALSE;
  });
}

BOOL WINAPI ConfigurePort2(HANDLE, LPWSTR server, HWND owner, LPWSTR portName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return ConfigurePortEntry(server, owner, portName);
  });
}

BOOL WINAPI DeletePort2(HANDLE, LPWSTR server, HWND owner, LPWSTR portName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return DeletePortEntry(server, owner, portName);
  });
}

// The records go with the library, which the spooler unloads next.
VOID WINAPI Shutdown2(HANDLE) {}

}  // namespace

void FillMonitor2Table(MONITOR2& table) {
  std::memset(&table, 0, sizeof table);
  table.cbSize = sizeof table;
  table.pfnEnumPorts = EnumPorts2;
  table.pfnOpenPort = OpenPort2;
  table.pfnStartDocPort = StartDocPortEntry;
  table.pfnWritePort = WritePortEntry;
  table.pfnReadPort = ReadPortEntry;
  table.pfnEndDocPort = EndDocPortEntry;
  table.pfnClosePort = ClosePortEntry;
  table.pfnAddPort = AddPort2;
  table.pfnAddPortEx = AddPortEx2;
  table.pfnConfigurePort = ConfigurePort2;
  table.pfnDeletePort = DeletePort2;
  table.pfnGetPrinterDataFromPort = GetPrinterDataFromPortEntry;
  table.pfnSetPortTimeOuts = SetPortTimeOutsEntry;
  table.pfnShutdown = Shutdown2;
}

}  // namespace portmon
