#pragma once
// Frames of the command protocol on UDP 11299. A request is the reply-port
// prefix, "NCM", the command byte and the payload; a reply is "NAK", the
// command byte and the payload. Payloads start with a two-byte length, high
// byte first, counting the bytes after it.

#include <cstdint>
#include <span>
#include <vector>

#include "nicproto/command_slot.h"

namespace nic {

// The request for `command` with its payload taken from `slot`. A command
// without payload is the bare 6-byte request. Unknown commands, and running
// out of memory, give an empty buffer.
std::vector<std::uint8_t> BuildCommandRequest(std::uint8_t command, const CommandSlot& slot,
                                              std::uint16_t replyPort);

// The port monitor's form of a payload-less command: 8 bytes, zero length.
std::vector<std::uint8_t> BuildEmptyCommandRequest(std::uint8_t command, std::uint16_t replyPort);

// Reads a NAK reply into `slot`: command, payload data, state Answered.
// Refused: not "NAK", an unknown command, or 6 and 32, which are never
// answered. Declared lengths are clamped to the bytes that arrived (and a
// text to kCommandTextSize).
bool ParseCommandReply(std::span<const std::uint8_t> frame, CommandSlot& slot);

}  // namespace nic
