#pragma once
// The manager's side, as plain sockets: what a test needs to talk to the
// simulated NICs over loopback.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/nicsim/nic_simulator.h"
#include "tools/shared/unique_fd.h"

namespace nicsim::test {

// Long enough never to cut a reply short, yet it is only ever waited out
// when a test fails.
inline constexpr int kReplyWaitMs = 5000;

struct Datagram {
  std::vector<std::uint8_t> bytes;
  std::string ip;
  std::uint16_t port = 0;
};

class UdpClient {
 public:
  UdpClient();  // bound to 127.0.0.1, port chosen by the system
  std::uint16_t port() const { return port_; }
  void SendTo(const std::string& ip, std::uint16_t port, const std::vector<std::uint8_t>& bytes);
  std::optional<Datagram> Receive(int timeoutMs = kReplyWaitMs);
  // Whether a datagram is queued right now, without waiting.
  bool HasPending();

 private:
  tools::UniqueFd fd_;
  std::uint16_t port_ = 0;
};

// A blocking TCP connection to port 9100 of `ip`; invalid when refused.
tools::UniqueFd ConnectPrinter(const std::string& ip, int* error = nullptr);
// Sends everything; false when the connection failed on the way.
bool SendAll(int fd, const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> Pattern(std::size_t size);
std::vector<std::uint8_t> ReadFile(const std::string& path);

// A fresh folder for one test's files, removed again at the end.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

SimNic TestNic(const std::string& ip, const std::string& mac);

std::vector<Event> EventsOfKind(const Simulator& simulator, const std::string& kind);

}  // namespace nicsim::test
