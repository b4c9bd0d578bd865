#pragma once
// The 95 build's table of ANSI entries.

#include "portmon/win95/monitor_table.h"

namespace portmon {

void FillAnsiMonitorTable(AnsiMonitorTable& table);

}  // namespace portmon
