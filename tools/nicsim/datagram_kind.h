#pragma once
// What a datagram arriving at a NIC is, told apart the way the NIC must: the
// wake-up packet first (it has no reply-port prefix), then the request that
// follows the prefix.

#include <cstdint>
#include <span>

namespace nicsim {

enum class DatagramKind { Probe, Set, ExtProbe, ExtSet, Command, Exn, Wake, Other };

// The event kind it is recorded under ("probe", "ncm", ...).
const char* EventKindName(DatagramKind kind);

// A whole datagram as it arrived on `localPort` (8450 or 11299).
DatagramKind ClassifyDatagram(std::span<const std::uint8_t> datagram, std::uint16_t localPort);

// The IPX data of a datagram that came over IPX, where requests carry no
// reply-port prefix and only the attribute protocol is spoken.
DatagramKind ClassifyIpxRequest(std::span<const std::uint8_t> data);

bool IsWakeUpPacket(std::span<const std::uint8_t> datagram);

// The port named by the reply-port prefix (high byte first).
std::uint16_t ReplyPort(std::span<const std::uint8_t> datagram);

}  // namespace nicsim
