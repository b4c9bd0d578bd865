// portmonnt4: the spooler's port monitor for NT 4.0. InitializeMonitorEx is
// its entry; InitializePrintMonitor2 gives the same monitor to spoolers that
// load monitors only that way.
#include <windows.h>
#include <winsplp.h>

#include "platform/udp_socket.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_entries.h"
#include "portmon/shell/port_registry.h"

namespace {

const portmon::MonitorConfig kConfig{
    &portmon::kNt4Variant,
    L"System\\CurrentControlSet\\control\\Print\\Monitors\\NRV Network Port",
    256,
    true,
    portmon::PortValueType::DwordAddress,
    L"portmonnt3",
};

HINSTANCE module = nullptr;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    platform::StopSockets();
  }
  return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI InitializeMonitorEx(LPWSTR registryRoot,
                                                                 LPMONITOR table) {
  if (table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  portmon::Monitor& monitor = portmon::Monitor::Instance();
  if (!monitor.Initialize(module, registryRoot, kConfig)) return FALSE;
  {
    std::lock_guard guard(monitor.lock());
    portmon::LoadPortsFromRegistry();
  }
  portmon::FillMonitorTable(*table);
  return TRUE;
}
