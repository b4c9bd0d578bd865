#pragma once
// What every build's DLL does alike: keep its module handle for the
// resources, end the sockets when unloaded, and start the monitor.

#include <windows.h>

#include "portmon/shell/monitor.h"
#include "portmon/shell/monitor_config.h"

namespace portmon {

// Initialises the monitor with the build's settings and loads its ports. The
// spooler is winspool unless the seams name another.
bool StartMonitor(const wchar_t* registryRoot, const MonitorConfig& config,
                  const MonitorSeams& seams);
bool StartMonitor(const wchar_t* registryRoot, const MonitorConfig& config);

}  // namespace portmon
