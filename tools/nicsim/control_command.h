#pragma once
// The running simulator's control channel: one text command per datagram,
//   set <mac> <key>=<value> [<key>=<value>...]
// with the keys of the configuration file; a value with spaces is quoted
// (item.85="Toner is low"). The answer is "ok" or "error <why>".

#include <string>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

std::string RunControlCommand(Simulator& simulator, const std::string& line);

}  // namespace nicsim
