#include "tools/shared/loopback_socket.h"

#include <arpa/inet.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

#include "common/ipv4_text.h"

namespace tools {
namespace {

struct AllowedNetwork {
  std::uint32_t base = 0;
  std::uint32_t mask = 0xFFFFFFFFu;
  bool set = false;
} allowed;

UniqueFd Fail(const std::string& what, const std::string& ip, std::uint16_t port,
              std::string* error) {
  if (error != nullptr) {
    *error = what + " " + ip + ":" + std::to_string(port) + ": " + std::strerror(errno);
  }
  return UniqueFd();
}

// The limited broadcast never crosses a router: inside the namespace of an
// allowed network it comes from that network only.
bool IsBindable(const std::string& ip) {
  return IsServableAddress(ip) || (allowed.set && ip == "255.255.255.255");
}

UniqueFd BoundSocket(int type, const std::string& ip, std::uint16_t port, std::string* error) {
  if (!IsBindable(ip)) {
    if (error != nullptr) *error = "not a loopback address: " + ip;
    return UniqueFd();
  }
  UniqueFd fd(::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!fd) return Fail("socket", ip, port, error);
  if (type == SOCK_STREAM) {
    // A restarted simulator must get its print port back while old
    // connections linger in TIME_WAIT.
    const int on = 1;
    ::setsockopt(fd.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  }
  const sockaddr_in address = SocketAddress(ip, port);
  if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    return Fail("bind", ip, port, error);
  }
  return fd;
}

}  // namespace

bool IsLoopbackAddress(const std::string& ip) {
  Ipv4 parsed{};
  return ParseDottedIp(ip.c_str(), parsed) && parsed[0] == 127;
}

namespace {

std::uint32_t AddressValue(const Ipv4& ip) {
  return (std::uint32_t{ip[0]} << 24) | (std::uint32_t{ip[1]} << 16) |
         (std::uint32_t{ip[2]} << 8) | ip[3];
}

}  // namespace

bool AllowNetwork(const std::string& cidr) {
  const std::size_t slash = cidr.find('/');
  Ipv4 base{};
  if (slash == std::string::npos || !ParseDottedIp(cidr.substr(0, slash).c_str(), base)) {
    return false;
  }
  const std::string bitsText = cidr.substr(slash + 1);
  if (bitsText.empty() || bitsText.size() > 2 ||
      bitsText.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  const int bits = std::stoi(bitsText);
  if (bits < 8 || bits > 32) return false;
  allowed.mask = bits == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> bits);
  allowed.base = AddressValue(base) & allowed.mask;
  allowed.set = true;
  return true;
}

bool IsServableAddress(const std::string& ip) {
  if (IsLoopbackAddress(ip)) return true;
  Ipv4 parsed{};
  return allowed.set && ParseDottedIp(ip.c_str(), parsed) &&
         (AddressValue(parsed) & allowed.mask) == allowed.base;
}

sockaddr_in SocketAddress(const std::string& ip, std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  ::inet_pton(AF_INET, ip.c_str(), &address.sin_addr);
  return address;
}

Peer PeerOf(const sockaddr_in& address) {
  char text[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
  return Peer{text, ntohs(address.sin_port)};
}

UniqueFd OpenUdpSocket(const std::string& ip, std::uint16_t port, std::string* error) {
  return BoundSocket(SOCK_DGRAM, ip, port, error);
}

UniqueFd OpenTcpListener(const std::string& ip, std::uint16_t port, std::string* error) {
  UniqueFd fd = BoundSocket(SOCK_STREAM, ip, port, error);
  if (fd && ::listen(fd.get(), SOMAXCONN) != 0) return Fail("listen", ip, port, error);
  return fd;
}

}  // namespace tools
