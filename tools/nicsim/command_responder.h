#pragma once
// How one NIC answers the command protocol. A request is taken without its
// reply-port prefix: "NCM", the command byte, then the payload (a two-byte
// length and its bytes, or nothing at all for a command without payload).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tools/nicsim/nic_state.h"

namespace nicsim {

struct CommandOutcome {
  // The NAK datagram; none for commands that are never answered.
  std::optional<std::vector<std::uint8_t>> reply;
  // Set when the written configuration gives the NIC a new address; moving
  // is the caller's, who owns the sockets.
  std::optional<std::string> moveTo;
  // For command 1: every item the list carried ("item 4=64", nic_values.h),
  // held by the NIC or not.
  std::optional<std::vector<std::string>> written;
};

CommandOutcome AnswerCommand(NicState& nic, std::span<const std::uint8_t> request);

}  // namespace nicsim
