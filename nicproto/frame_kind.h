#pragma once
// The attribute protocol's frames are told apart by a 3- or 4-byte header:
// "HBM" plus a kind byte from the manager, "hbm" or "cfm" from the NIC.

#include <cstddef>
#include <cstdint>
#include <span>

namespace nic {

inline constexpr std::uint16_t kAttributePort = 8450;  // UDP, and IPX socket 0x2102
inline constexpr std::uint16_t kCommandPort = 11299;

enum class Transport { Udp = 0, Ipx = 1 };

enum class FrameKind {
  Invalid,
  ProbeRequest,
  ProbeReply,
  SetRequest,
  SetReply,
  ExtProbeRequest,
  ExtProbeReply,
  ExtSetRequest,
  ExtSetReply,
};

// The attribute form: every kind but the extended requests. An "hbm" frame
// whose fourth byte is 0x06 or 0x07 is an extended reply, even when that byte
// was meant as the first tag of a probe reply.
FrameKind ClassifyAttributeHeader(std::span<const std::uint8_t> frame);

// The extended form: only the four extended kinds.
FrameKind ClassifyExtendedHeader(std::span<const std::uint8_t> frame);

// Bytes before the body: 3 for the short "hbm"/"cfm" replies, 4 otherwise.
std::size_t HeaderLength(FrameKind kind);

}  // namespace nic
