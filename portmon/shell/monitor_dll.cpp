#include "portmon/shell/monitor_dll.h"

#include "platform/udp_socket.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_registry.h"

namespace {

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

namespace portmon {

bool StartMonitor(const wchar_t* registryRoot, const MonitorConfig& config) {
  Monitor& monitor = Monitor::Instance();
  if (!monitor.Initialize(module, registryRoot, config)) return false;
  std::lock_guard guard(monitor.lock());
  LoadPortsFromRegistry();
  return true;
}

}  // namespace portmon
