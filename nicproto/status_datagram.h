#pragma once
// The NIC's status datagram, sent after its probe reply: "nrv", a two-byte
// length (high byte first) that counts itself and the status text, then the
// text.

#include <cstdint>
#include <span>

#include "nicproto/status_text.h"

namespace nic {

// Whether the datagram is a status datagram rather than an attribute frame:
// it starts with "nrv".
bool IsStatusDatagram(std::span<const std::uint8_t> datagram);

// Refuses anything shorter than 5 bytes or not starting with "nrv". The
// declared length is clamped to the bytes that arrived.
bool ParseStatusDatagram(std::span<const std::uint8_t> datagram, StatusRecord& record);

}  // namespace nic
