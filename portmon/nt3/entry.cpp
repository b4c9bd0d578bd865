// portmonnt3: the port monitor for the NT 3.51 spooler, which calls
// InitializeMonitor and then finds each function by its exported name
// (exports.def). Its ports are dotted addresses only.
#include <windows.h>

#include "platform/udp_socket.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_registry.h"

namespace {

const portmon::MonitorConfig kConfig{
    .variant = &portmon::kNt3Variant,
    .defaultKey =
        L"System\\CurrentControlSet\\control\\Print\\Monitors\\NRV TCP/IP Printing System",
    .nameBufferChars = 200,
    .loadSubkeys = false,
    .valueType = portmon::PortValueType::DwordAddress,
    .addPortMonitorNameId = portmon::IDS_MONITOR_NAME,
    .extraAddPortMonitorName = nullptr,
    .attachOwnerInput = true,
    .ansiText = false,
    .addressPortsOnly = true,
    .addNameLimit = 32,
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

extern "C" BOOL WINAPI InitializeMonitor(LPWSTR registryRoot) {
  portmon::Monitor& monitor = portmon::Monitor::Instance();
  if (!monitor.Initialize(module, registryRoot, kConfig)) return FALSE;
  std::lock_guard guard(monitor.lock());
  portmon::LoadPortsFromRegistry();
  return TRUE;
}
