#pragma once
// One datagram that arrived at a loopback address: recorded once, then
// answered by every NIC living there that is not silent.

#include <cstdint>
#include <span>
#include <string>

#include "tools/nicsim/event_log.h"
#include "tools/shared/loopback_socket.h"
#include "tools/nicsim/nic_registry.h"

namespace nicsim {

void HandleDatagram(NicRegistry& registry, EventLog& log, const std::string& ip,
                    std::uint16_t localPort, std::span<const std::uint8_t> datagram,
                    const tools::Peer& sender);

}  // namespace nicsim
