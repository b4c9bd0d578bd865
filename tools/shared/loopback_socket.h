#pragma once
// Sockets of the simulated NICs. Every NIC lives on a loopback address, so
// nothing the simulator opens is reachable from outside the machine.

#include <netinet/in.h>

#include <cstdint>
#include <string>

#include "tools/shared/unique_fd.h"

namespace tools {

// A canonical dotted address inside 127.0.0.0/8.
bool IsLoopbackAddress(const std::string& ip);

// A test inside a network namespace of its own may let the simulator serve
// one more network besides loopback; set before anything is bound.
bool AllowNetwork(const std::string& cidr);

// Loopback, or inside the network allowed above.
bool IsServableAddress(const std::string& ip);

sockaddr_in SocketAddress(const std::string& ip, std::uint16_t port);

struct Peer {
  std::string ip;
  std::uint16_t port = 0;
};
Peer PeerOf(const sockaddr_in& address);

// Non-blocking sockets bound to ip:port; on failure an invalid fd and a reason.
UniqueFd OpenUdpSocket(const std::string& ip, std::uint16_t port, std::string* error);
UniqueFd OpenTcpListener(const std::string& ip, std::uint16_t port, std::string* error);

}  // namespace tools
