#include "portmon/core/tests/monitor_test_support.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "common/ipv4_text.h"
#include "platform/tick.h"
#include "platform/udp_socket.h"

namespace portmon::test {
namespace {

std::vector<std::uint8_t> FromHex(const std::string& hex) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// <kind> <nicIp> <peerIp>:<peerPort> <localPort> <hex bytes>
bool ParseEventLine(const std::string& line, WireEvent& event) {
  std::istringstream in(line);
  std::string peer, hex;
  unsigned localPort = 0;
  if (!(in >> event.kind >> event.nicIp >> peer >> localPort)) return false;
  in >> hex;
  const std::size_t colon = peer.rfind(':');
  if (colon == std::string::npos) return false;
  event.peerPort = static_cast<std::uint16_t>(std::stoul(peer.substr(colon + 1)));
  event.localPort = static_cast<std::uint16_t>(localPort);
  event.bytes = FromHex(hex);
  return true;
}

}  // namespace

std::uint32_t Address(const char* dotted) {
  Ipv4 ip{};
  EXPECT_TRUE(ParseDottedIp(dotted, ip)) << dotted;
  std::uint32_t address = 0;
  std::memcpy(&address, ip.data(), sizeof address);
  return address;
}

std::unique_ptr<NetPort> PortAt(const char* ip, bool resolveName) {
  const std::u16string name(ip, ip + std::strlen(ip));
  return std::make_unique<NetPort>(name, u"", resolveName ? 0 : Address(ip), 0x5450);
}

void MonitorTest::SetUp() { ASSERT_TRUE(sockets_.started()); }

void MonitorTest::TearDown() {}

std::vector<WireEvent> WireEvents(const std::string& nicIp) {
  const char* state = std::getenv("NICSIM_STATE");
  EXPECT_NE(state, nullptr) << "run through ctest: the simulated network is its fixture";
  std::vector<WireEvent> events;
  if (state == nullptr) return events;
  std::ifstream log(std::string(state) + "/events.log");
  for (std::string line; std::getline(log, line);) {
    WireEvent event;
    if (ParseEventLine(line, event) && (nicIp.empty() || event.nicIp == nicIp)) events.push_back(std::move(event));
  }
  return events;
}

std::vector<WireEvent> WaitForWireEvents(const std::string& nicIp, std::size_t count) {
  const std::uint32_t start = platform::TickCount();
  std::vector<WireEvent> events = WireEvents(nicIp);
  while (events.size() < count && platform::TicksSince(start) < 2000) {
    platform::SleepMs(20);
    events = WireEvents(nicIp);
  }
  return events;
}

std::uint16_t PrefixPort(const WireEvent& event) {
  return event.bytes.size() < 2 ? 0 : static_cast<std::uint16_t>(event.bytes[0] << 8 | event.bytes[1]);
}

}  // namespace portmon::test
