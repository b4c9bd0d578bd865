#pragma once
// The simulator's configuration file: one "[nic]" section per simulated NIC,
// each followed by key=value lines (see nic_setting.h). Blank lines and lines
// starting with '#' or ';' are skipped; spaces around keys and values are
// ignored.

#include <istream>
#include <string>
#include <vector>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

// False with a one-line reason ("line 4: unknown key 'colour'").
bool ReadNicConfig(std::istream& in, std::vector<SimNic>* nics, std::string* error);
bool ReadNicConfigFile(const std::string& path, std::vector<SimNic>* nics, std::string* error);

}  // namespace nicsim
