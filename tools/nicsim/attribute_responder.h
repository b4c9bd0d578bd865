#pragma once
// How one NIC answers the attribute protocol. Requests are taken without
// their reply-port prefix; replies are whole datagrams.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/nicsim/nic_state.h"

namespace nicsim {

// "hbm" and every attribute. The table starts with tag 0, so the reply never
// opens with tag 6 or 7, which a manager would read as an extended reply.
std::vector<std::uint8_t> ProbeReply(const NicState& nic);

// "nrv", a length counting itself and the text, then the status text.
std::vector<std::uint8_t> StatusDatagram(const NicState& nic);

// "cfm" and every attribute, as they stand after the write.
std::vector<std::uint8_t> SetReply(const NicState& nic);

// "hbm" 0x06 (probe) or 0x07 (set) and the extended text item.
std::vector<std::uint8_t> ExtendedProbeReply(const NicState& nic);
std::vector<std::uint8_t> ExtendedSetReply(const NicState& nic);

// Writes a SetRequest's attributes, all but the address and the MAC, which
// is burned into the card. Returns the address the request asks the NIC to
// move to; moving is the caller's, who owns the sockets. `written`, when
// given, gets every attribute the request carried ("attr 7=\"NAME\"",
// nic_values.h), the address and MAC included.
std::optional<std::string> ApplySetRequest(NicState& nic, std::span<const std::uint8_t> request,
                                           std::vector<std::string>* written = nullptr);

// `written` gets the text the request carried as "ext=\"O=OFFICE\"".
void ApplyExtendedSetRequest(NicState& nic, std::span<const std::uint8_t> request,
                             std::vector<std::string>* written = nullptr);

}  // namespace nicsim
