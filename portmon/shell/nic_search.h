#pragma once
// The configuration dialog's search: asks the port's NIC for its attributes
// and takes its MAC address when it is a model that can switch the printer
// on and off.

#include <string>

namespace portmon {

enum class NicSearch { Found, NoAnswer, NoPowerControl };

// On Found, `mac` is the NIC's address as six upper-case two-digit groups
// joined by ':'. NoAnswer also covers a port name without an address and a
// reply that lacks the model or the address.
NicSearch SearchPortNic(const std::wstring& portName, std::string& mac);

}  // namespace portmon
