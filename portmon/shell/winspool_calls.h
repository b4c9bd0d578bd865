#pragma once
// The job layer's spooler calls, answered by winspool.

#include "portmon/core/spooler_calls.h"

namespace portmon {

SpoolerCalls WinspoolCalls();

}  // namespace portmon
