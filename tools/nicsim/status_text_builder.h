#pragma once
// The printer's status text as a NIC reports it, built from the simulated
// printer's fields unless a fixed text was given.

#include <string>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

std::string BuildStatusText(const SimNic& nic);

// The hexadecimal blocks on their own, for tests that check their layout.
std::string ExtStatusHex(const SimNic& nic);
std::string AdvancedInfoHex(const SimNic& nic);
std::string AdvancedInfo2Hex(const SimNic& nic);

}  // namespace nicsim
