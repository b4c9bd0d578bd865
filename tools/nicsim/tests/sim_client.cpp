#include "tools/nicsim/tests/sim_client.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "tools/shared/loopback_socket.h"

namespace nicsim::test {

UdpClient::UdpClient() : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
  sockaddr_in address = tools::SocketAddress("127.0.0.1", 0);
  ::bind(fd_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(fd_.get(), reinterpret_cast<sockaddr*>(&address), &length);
  port_ = tools::PeerOf(address).port;
}

void UdpClient::SendTo(const std::string& ip, std::uint16_t port,
                       const std::vector<std::uint8_t>& bytes) {
  const sockaddr_in to = tools::SocketAddress(ip, port);
  ::sendto(fd_.get(), bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to),
           sizeof to);
}

std::optional<Datagram> UdpClient::Receive(int timeoutMs) {
  pollfd fd{fd_.get(), POLLIN, 0};
  if (::poll(&fd, 1, timeoutMs) != 1) return std::nullopt;
  std::vector<std::uint8_t> buffer(65536);
  sockaddr_in from{};
  socklen_t length = sizeof from;
  const ssize_t n = ::recvfrom(fd_.get(), buffer.data(), buffer.size(), 0,
                               reinterpret_cast<sockaddr*>(&from), &length);
  if (n < 0) return std::nullopt;
  buffer.resize(static_cast<std::size_t>(n));
  const tools::Peer peer = tools::PeerOf(from);
  return Datagram{buffer, peer.ip, peer.port};
}

bool UdpClient::HasPending() { return Receive(0).has_value(); }

tools::UniqueFd ConnectPrinter(const std::string& ip, int* error) {
  tools::UniqueFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
  const sockaddr_in to = tools::SocketAddress(ip, 9100);
  if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) return fd;
  if (error != nullptr) *error = errno;
  return tools::UniqueFd();
}

bool SendAll(int fd, const std::vector<std::uint8_t>& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

std::vector<std::uint8_t> Pattern(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::uint32_t state = 0x12345678;
  for (auto& b : bytes) {
    state = state * 1103515245 + 12345;
    b = static_cast<std::uint8_t>(state >> 16);
  }
  return bytes;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TestFolder::TestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  path_ = ::testing::TempDir() + "nicsim-" + std::to_string(::getpid()) + "-" +
          info->test_suite_name() + "-" + info->name();
  std::filesystem::remove_all(path_);
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

SimNic TestNic(const std::string& ip, const std::string& mac) {
  SimNic nic;
  nic.ip = ip;
  nic.mac = mac;
  return nic;
}

std::vector<Event> EventsOfKind(const Simulator& simulator, const std::string& kind) {
  std::vector<Event> found;
  for (const Event& event : simulator.Events()) {
    if (event.kind == kind) found.push_back(event);
  }
  return found;
}

}  // namespace nicsim::test
