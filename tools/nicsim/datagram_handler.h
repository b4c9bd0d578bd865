#pragma once
// One datagram that arrived at a NIC: recorded once, then answered by every
// NIC it reached that is not silent. Over UDP/IP a datagram reaches every NIC
// living at that loopback address; over IPX it reaches the one NIC whose
// station socket it came to. A NIC that takes a write (a set request, an
// extended set request, command 1) is recorded once more, as "wrote" with the
// values the write carried (nic_simulator.h). Replies leave through `outbox`.

#include <cstdint>
#include <span>
#include <string>

#include "tools/nicsim/event_log.h"
#include "tools/shared/loopback_socket.h"
#include "tools/nicsim/nic_registry.h"
#include "tools/nicsim/reply_outbox.h"

namespace nicsim {

void HandleDatagram(NicRegistry& registry, EventLog& log, ReplyOutbox& outbox,
                    const std::string& ip, std::uint16_t localPort,
                    std::span<const std::uint8_t> datagram, const tools::Peer& sender);

// `datagram` is the whole UDP payload, envelope included; replies leave from
// `fd`, the NIC's station socket on UDP port `localPort`.
void HandleIpxDatagram(NicRegistry& registry, EventLog& log, ReplyOutbox& outbox, NicState& nic,
                       int fd, std::uint16_t localPort, std::span<const std::uint8_t> datagram,
                       const tools::Peer& sender);

}  // namespace nicsim
