#pragma once
// The monitor table of spoolers that load monitors through
// InitializePrintMonitor2: the same entries, behind calls that carry the
// spooler's monitor handle first.

#include <windows.h>
#include <winsplp.h>

namespace portmon {

void FillMonitor2Table(MONITOR2& table);

}  // namespace portmon
