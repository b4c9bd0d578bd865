// portmonnt3: the port monitor for the NT 3.51 spooler, which calls
// InitializeMonitor and then finds each function by its exported name
// (exports.def). Its ports are dotted addresses only.
#include <windows.h>

#include "common/win/entry_guard.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/monitor_dll.h"

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

}  // namespace

extern "C" BOOL WINAPI InitializeMonitor(LPWSTR registryRoot) {
  return GuardedEntry<BOOL>(FALSE,
                            [&] { return portmon::StartMonitor(registryRoot, kConfig) ? TRUE : FALSE; });
}
