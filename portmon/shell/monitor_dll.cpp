#include "portmon/shell/monitor_dll.h"

#include "platform/udp_socket.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_registry.h"
#include "portmon/shell/winspool_calls.h"

namespace {

HINSTANCE module = nullptr;

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

namespace portmon {

bool StartMonitor(const wchar_t* registryRoot, const MonitorConfig& config,
                  const MonitorSeams& seams) {
  Monitor& monitor = Monitor::Instance();
  if (!monitor.Initialize(module, registryRoot, config, seams)) return false;
  std::lock_guard guard(monitor.lock());
  LoadPortsFromRegistry();
  return true;
}

bool StartMonitor(const wchar_t* registryRoot, const MonitorConfig& config) {
  MonitorSeams seams;
  seams.spooler = WinspoolCalls();
  return StartMonitor(registryRoot, config, seams);
}

}  // namespace portmon
