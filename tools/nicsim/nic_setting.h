#pragma once
// Settings of a simulated NIC given as key=value text, as the configuration
// file and the control channel write them. Keys are the SimNic field names,
// plus sinkListening, resetAfter, closeAfter, stopReading and bytesPerSecond
// for the print sink.

#include <string>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

// Numbers are decimal or hexadecimal with "0x"; flags are true/false, yes/no,
// on/off or 1/0; fault is none, silent, nostatus or othermaker. False with a
// one-line reason for an unknown key or a bad value.
bool ApplyNicSetting(SimNic& nic, const std::string& key, const std::string& value,
                     std::string* error);

}  // namespace nicsim
