#pragma once
// Settings of a simulated NIC given as key=value text, as the configuration
// file and the control channel write them. Keys are the SimNic field names,
// plus sinkListening, resetAfter, closeAfter, stopReading and bytesPerSecond
// for the print sink, and:
//   family=N        printer family 0..6, the high nibble of printerSpecific
//   mail=off        the NIC holds no mail notice items (80 to 87)
//   replyDelayMs=N  every reply of the NIC leaves N ms late
//   item.N=VALUE    configuration item N over its factory value
//   attr.N=VALUE    attribute N over its factory value
// with VALUE in the forms of nic_values.h (item.4=64, item.3=127.0.0.1,
// item.82=admin@example.com, attr.14=30, attr.15="LOBBY", attr.2=0x0102).
// The address, the name and the NIC's identity have keys of their own, so
// item.1, item.16 and the attributes they cover are refused.

#include <string>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

// Numbers are decimal or hexadecimal with "0x"; flags are true/false, yes/no,
// on/off or 1/0; fault is none, silent, nostatus, othermaker, twice or
// refusewrites. False with a one-line reason for an unknown key or a bad
// value.
bool ApplyNicSetting(SimNic& nic, const std::string& key, const std::string& value,
                     std::string* error);

}  // namespace nicsim
