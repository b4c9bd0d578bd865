#pragma once
// What the monitor core's tests share: the simulated network they talk to
// (see monitor_network.ini), ports on it, and the simulator's record of the
// datagrams that reached it.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/socket_library.h"
#include "portmon/core/net_port.h"

namespace portmon::test {

inline constexpr char kReadyIp[] = "127.0.2.2";
inline constexpr char kNoStatusIp[] = "127.0.2.3";
inline constexpr char kSilentIp[] = "127.0.2.4";
inline constexpr char kSleepingIp[] = "127.0.2.5";
inline constexpr char kBroadcastStandInIp[] = "127.0.2.6";
inline constexpr char kCancelledIp[] = "127.0.2.7";
inline constexpr char kPowerStateIp[] = "127.0.2.8";
inline constexpr char kCommandsIp[] = "127.0.2.9";
inline constexpr char kReadyStatusText[] = "MFG:NRV;MDL:LP-9800C;CLS:PRINTER;";

// Network byte order.
std::uint32_t Address(const char* dotted);

// A port named by `ip`, with the address stored unless `resolveName`.
std::unique_ptr<NetPort> PortAt(const char* ip, bool resolveName = false);

class MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  platform::SocketLibrary sockets_;
};

// One datagram as the simulator recorded it.
struct WireEvent {
  std::string kind;  // "probe", "ncm", "wake", "exn", ...
  std::string nicIp;
  std::uint16_t peerPort = 0;
  std::uint16_t localPort = 0;
  std::vector<std::uint8_t> bytes;
};

// Every datagram recorded so far at the simulated NICs of `nicIp` (empty:
// of all NICs), in arrival order.
std::vector<WireEvent> WireEvents(const std::string& nicIp);

// Waits up to two seconds for `count` events at `nicIp`.
std::vector<WireEvent> WaitForWireEvents(const std::string& nicIp, std::size_t count);

// The reply-port prefix of a request.
std::uint16_t PrefixPort(const WireEvent& event);

}  // namespace portmon::test
