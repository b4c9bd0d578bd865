#pragma once
// The notice the port monitor sends to the attribute port when a job is
// deleted while printing; the NIC does not answer it. It names the print
// connection by its local TCP port.

#include <array>
#include <cstdint>

namespace nic {

using ExnNotice = std::array<std::uint8_t, 13>;

ExnNotice BuildExnNotice(std::uint16_t replyPort, std::uint16_t printLinkPort);

}  // namespace nic
