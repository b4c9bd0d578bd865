#pragma once
// MAC addresses as the monitor's users type and store them.

#include <cstdint>
#include <string_view>

namespace portmon {

// The stored "MAC Address": groups of one or two hex digits separated by
// ':', or, when every group has two digits, no separators; at most six
// groups are read. False unless six bytes came out.
bool ParseStoredMac(std::string_view text, std::uint8_t (&mac)[6]);

// The configuration dialog's check of a typed MAC address: at most 17
// characters, only hex digits and ':', at most five ':', no two ':' side by
// side (a leading ':' passes), at most two digits a group and twelve in all.
// An empty text is refused too: the dialog then asks for an address.
bool IsAcceptableMacText(std::string_view text);

}  // namespace portmon
