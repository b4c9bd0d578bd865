#pragma once
// One event as a line of the simulator's log:
//   <kind> <nicIp> <peerIp>:<peerPort> <localPort> <hex bytes>
// and for print connections ("connect", "job") the job file and its size in
// place of the bytes.

#include <string>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

std::string FormatEventLine(const Event& event);

}  // namespace nicsim
