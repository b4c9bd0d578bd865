#pragma once
// How the native tools learn that they are asked to stop: SIGTERM and SIGINT
// blocked in every thread and read through a descriptor, so a serving thread
// started later inherits the mask and never sees the signals.

#include "tools/shared/unique_fd.h"

namespace tools {

// Call before any thread starts; the descriptor becomes readable on a stop.
UniqueFd BlockStopSignals();

}  // namespace tools
