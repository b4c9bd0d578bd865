// portmonnt4: the spooler's port monitor for NT 4.0. InitializeMonitorEx is
// its entry; InitializePrintMonitor2 gives the same monitor to spoolers that
// load monitors only that way.
#include <windows.h>
#include <winsplp.h>

#include "common/win/entry_guard.h"
#include "common/win/registry_key.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/monitor_dll.h"
#include "portmon/shell/monitor2_table.h"
#include "portmon/shell/port_entries.h"

namespace {

const portmon::MonitorConfig kConfig{
    .variant = &portmon::kNt4Variant,
    .defaultKey = L"System\\CurrentControlSet\\control\\Print\\Monitors\\NRV Network Port",
    .nameBufferChars = 256,
    .loadSubkeys = true,
    .valueType = portmon::PortValueType::DwordAddress,
    .addPortMonitorNameId = portmon::IDS_ADD_PORT_MONITOR_NAME,
    .extraAddPortMonitorName = L"portmonnt3",
    .attachOwnerInput = true,
    .ansiText = false,
    .addressPortsOnly = false,
    .addNameLimit = 127,
};

// Spoolers that load monitors through InitializePrintMonitor2 send a port's
// calls to the monitor whose key holds Ports\<port>; kept there, each port's
// own subkey is that key.
constexpr wchar_t kSpoolerPortsKey[] =
    L"System\\CurrentControlSet\\Control\\Print\\Monitors\\NRV Network Port\\Ports";

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI InitializeMonitorEx(LPWSTR registryRoot,
                                                                 LPMONITOR table) {
  if (table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return GuardedEntry<BOOL>(FALSE, [&] {
    if (!portmon::StartMonitor(registryRoot, kConfig)) return FALSE;
    portmon::FillMonitorTable(*table);
    return TRUE;
  });
}

// The spooler's registry handle is not used: the shell reads its keys by
// path, and this handle is one only the spooler's own calls understand.
extern "C" __declspec(dllexport) LPMONITOR2 WINAPI InitializePrintMonitor2(PMONITORINIT,
                                                                          PHANDLE monitorHandle) {
  if (monitorHandle == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return GuardedEntry<LPMONITOR2>(nullptr, [&]() -> LPMONITOR2 {
    // AddMonitor creates the monitor's key, not the one below it that the
    // ports are added to.
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kSpoolerPortsKey, KEY_READ);
    if (!portmon::StartMonitor(kSpoolerPortsKey, kConfig)) return nullptr;
    static MONITOR2 table;
    portmon::FillMonitor2Table(table);
    *monitorHandle = &portmon::Monitor::Instance();
    return &table;
  });
}
