#include "portmon/core/nic_query.h"

#include <array>
#include <atomic>
#include <cstring>
#include <future>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "nicproto/exn_notice.h"
#include "platform/tick.h"
#include "platform/udp_socket.h"
#include "portmon/core/port_flags.h"
#include "portmon/core/printer_data.h"
#include "portmon/core/tests/monitor_test_support.h"

namespace portmon::test {
namespace {

using namespace std::string_literals;

using Buffer = std::array<std::uint8_t, kReplyBufferSize>;

bool Begins(const std::uint8_t* bytes, const char* text) {
  return std::memcmp(bytes, text, std::strlen(text)) == 0;
}

class NicQueryTest : public MonitorTest {};

TEST_F(NicQueryTest, StatusQueryCollectsHbmThenNrvFromOneShortProbe) {
  const auto port = PortAt(kReadyIp);
  Buffer buffer{};
  StatusReply reply;
  ASSERT_TRUE(QueryNicStatus(*port, buffer, reply));
  ASSERT_GT(reply.hbmLength, 3u);
  EXPECT_TRUE(Begins(buffer.data(), "hbm"));
  ASSERT_EQ(reply.totalLength, reply.hbmLength + 5 + std::strlen(kReadyStatusText));
  EXPECT_TRUE(Begins(buffer.data() + reply.hbmLength, "nrv"));
  EXPECT_EQ(port->flags.load(), 0u);

  const auto probes = WireEvents(kReadyIp);
  ASSERT_FALSE(probes.empty());
  const WireEvent& probe = probes.back();
  EXPECT_EQ(probe.kind, "probe");
  EXPECT_EQ(probe.localPort, 8450);
  ASSERT_EQ(probe.bytes.size(), 7u);
  EXPECT_EQ(PrefixPort(probe), probe.peerPort);
  EXPECT_TRUE(Begins(probe.bytes.data() + 2, "HBM\x01"));
  EXPECT_EQ(probe.bytes[6], 0);
}

TEST_F(NicQueryTest, HostNamesAreResolvedAndUnusableNamesFail) {
  Buffer buffer{};
  StatusReply reply;
  EXPECT_TRUE(QueryNicStatus(*PortAt(kReadyIp, true), buffer, reply));
  NetPort foreign(u"\u30d7\u30ea\u30f3\u30bf", u"", 0, 0x5450);
  reply.hbmLength = 7;
  EXPECT_FALSE(QueryNicStatus(foreign, buffer, reply));
  EXPECT_EQ(reply.hbmLength, 0u);
}

TEST_F(NicQueryTest, AttributeQueryEndsWithTheHbmReply) {
  Buffer buffer{};
  std::size_t hbmLength = 0;
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(QueryNicAttributes(Address(kReadyIp), buffer, hbmLength));
  EXPECT_LT(platform::TicksSince(start), 900u);
  EXPECT_GT(hbmLength, 3u);
  EXPECT_TRUE(Begins(buffer.data(), "hbm"));
}

TEST_F(NicQueryTest, HbmWithoutNrvIsAnAnswerAfterThreeProbes) {
  const auto port = PortAt(kNoStatusIp);
  Buffer buffer{};
  StatusReply reply;
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(QueryNicStatus(*port, buffer, reply));
  EXPECT_GE(platform::TicksSince(start), 3400u);
  EXPECT_GT(reply.hbmLength, 0u);
  EXPECT_EQ(reply.totalLength, reply.hbmLength);
}

// Two exchanges with one silent port at once, one of them the status answer
// of the spooler's entry: each keeps its own socket and buffer, and the port
// shows the query only while one is waiting.
TEST_F(NicQueryTest, SilentNicGetsThreeProbesASecondApartFromEachQuery) {
  const auto port = PortAt(kSilentIp);
  const std::uint32_t start = platform::TickCount();
  auto query = std::async(std::launch::async, [&port] {
    Buffer buffer{};
    StatusReply reply;
    return QueryNicStatus(*port, buffer, reply);
  });
  std::array<std::uint8_t, kNicStatusAnswerSize> answer;
  answer.fill(0xEE);
  auto status = std::async(std::launch::async, [&port, &answer] {
    return AnswerPrinterData(*port, kNt3Variant, PDC_NIC_STATUS, answer, {});
  });
  // Both wait for the silent NIC: the port shows the query meanwhile.
  const std::uint32_t asked = platform::TickCount();
  while ((port->flags.load() & PF_STATUS_QUERY) == 0 && platform::TicksSince(asked) < 1000) {
    platform::SleepMs(5);
  }
  EXPECT_EQ(port->flags.load() & PF_STATUS_QUERY, PF_STATUS_QUERY);
  EXPECT_FALSE(query.get());
  EXPECT_TRUE(status.get().ok);
  EXPECT_GE(platform::TicksSince(start), 3400u);
  EXPECT_EQ(port->flags.load(), 0u);
  const std::uint8_t silence[16] = {'N', 'R', 'V', 'P', 'M', 0, 3, 1};
  EXPECT_EQ(std::memcmp(answer.data(), silence, sizeof silence), 0);

  std::map<std::uint16_t, int> probesBySocket;
  for (const WireEvent& probe : WireEvents(kSilentIp)) ++probesBySocket[probe.peerPort];
  EXPECT_GE(probesBySocket.size(), 2u);
  for (const auto& [socketPort, probes] : probesBySocket) EXPECT_EQ(probes, 3) << socketPort;
}

TEST_F(NicQueryTest, CommandGoesOutWithItsLengthAndTakesItsOwnNak) {
  const auto port = PortAt(kCommandsIp);
  Buffer reply{};
  std::size_t replyLength = 0;
  ASSERT_TRUE(SendNicCommand(*port, 2, {}, reply, replyLength, 1));
  EXPECT_TRUE(Begins(reply.data(), "NAK\x02"));
  EXPECT_GT(replyLength, 6u);

  const std::uint8_t text[] = {'e', 'c', 'h', 'o'};
  ASSERT_TRUE(SendNicCommand(*port, 7, text, reply, replyLength, 1));
  ASSERT_EQ(replyLength, 10u);
  EXPECT_TRUE(Begins(reply.data(), "NAK\x07\x00\x04" "echo"));
  // Without a reply buffer the NAK is still awaited, and dropped.
  EXPECT_TRUE(SendNicCommand(*port, 2, {}, {}, replyLength, 1));
  EXPECT_EQ(port->flags.load(), 0u);

  auto requests = WaitForWireEvents(kCommandsIp, 3);
  ASSERT_GE(requests.size(), 3u);
  requests.erase(requests.begin(), requests.end() - 3);
  const std::uint8_t readConfig[] = {'N', 'C', 'M', 2, 0, 0};
  ASSERT_EQ(requests[0].bytes.size(), 8u);
  EXPECT_EQ(PrefixPort(requests[0]), requests[0].peerPort);
  EXPECT_EQ(std::memcmp(requests[0].bytes.data() + 2, readConfig, sizeof readConfig), 0);
  EXPECT_EQ(requests[0].localPort, 11299);
  ASSERT_EQ(requests[1].bytes.size(), 12u);
  EXPECT_TRUE(Begins(requests[1].bytes.data() + 2, "NCM\x07\x00\x04" "echo"));
}

// A NIC on 127.0.0.1 that answers every request on `port` with the same
// datagrams. Not on a 127.0.2.x address of its own: Wine binds those as the
// wildcard address, which the simulator's sockets on the same port block.
class ScriptedNic {
 public:
  static constexpr char kIp[] = "127.0.0.1";

  ScriptedNic(std::uint16_t port, std::vector<std::string> replies) : replies_(std::move(replies)) {
    EXPECT_EQ(socket_.Open(kIp, port), 0) << "another program holds port " << port;
    thread_ = std::thread([this] { Serve(); });
  }
  ~ScriptedNic() {
    stop_ = true;
    thread_.join();
  }
  std::atomic<int> requests{0};

 private:
  void Serve() {
    while (!stop_) {
      int error = 0;
      if (socket_.WaitReadable(50, error) != platform::WaitResult::Ready) continue;
      std::uint8_t request[64];
      std::size_t length = 0;
      platform::ReceivedFrom from{};
      if (socket_.ReceiveFrom(request, length, from) != 0 || length < 2) continue;
      ++requests;
      const std::uint16_t replyPort = static_cast<std::uint16_t>(request[0] << 8 | request[1]);
      for (const std::string& reply : replies_) {
        socket_.SendTo(from.ip, replyPort,
                       {reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size()});
      }
    }
  }

  const std::vector<std::string> replies_;
  platform::UdpSocket socket_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST_F(NicQueryTest, OtherDatagramsAroundTheHbmAndNrvAreSkipped) {
  const ScriptedNic nic(8450, {"cfm\x07\x01X"s, "hbm\xFB\x02" "ab"s, "NAK\x02"s, "nrv\x00\x04" "ID"s});
  const auto port = PortAt(ScriptedNic::kIp);
  Buffer buffer{};
  StatusReply reply;
  ASSERT_TRUE(QueryNicStatus(*port, buffer, reply));
  EXPECT_EQ(reply.hbmLength, 7u);
  ASSERT_EQ(reply.totalLength, 14u);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 14), "hbm\xFB\x02" "abnrv\x00\x04" "ID"s);
}

TEST_F(NicQueryTest, NakForAnotherCommandIsIgnoredUntilTheTimeOut) {
  const auto port = PortAt(ScriptedNic::kIp);
  Buffer reply{};
  std::size_t replyLength = 0;
  {
    const ScriptedNic nic(11299, {"NAK\x03\x00\x00"s});
    const std::uint32_t start = platform::TickCount();
    EXPECT_FALSE(SendNicCommand(*port, 2, {}, reply, replyLength, 1));
    EXPECT_GE(platform::TicksSince(start), 1400u);
    EXPECT_EQ(nic.requests.load(), 1);
    EXPECT_EQ(replyLength, 0u);
  }
  const ScriptedNic nic(11299, {"NAK\x03\x00\x00"s, "NAK\x02\x00\x01Z"s});
  ASSERT_TRUE(SendNicCommand(*port, 2, {}, reply, replyLength, 1));
  EXPECT_EQ(replyLength, 7u);
  EXPECT_EQ(reply[3], 2);
  EXPECT_EQ(port->flags.load(), 0u);
}

TEST_F(NicQueryTest, ExnNoticeNamesThePrintConnection) {
  const auto port = PortAt(kCancelledIp);
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(SendExnNotice(*port, 0x1234));
  EXPECT_GE(platform::TicksSince(start), 950u);
  const auto notices = WaitForWireEvents(kCancelledIp, 1);
  ASSERT_FALSE(notices.empty());
  const WireEvent& notice = notices.back();
  EXPECT_EQ(notice.kind, "exn");
  EXPECT_EQ(notice.localPort, 8450);
  const nic::ExnNotice expected = nic::BuildExnNotice(notice.peerPort, 0x1234);
  EXPECT_EQ(notice.bytes, std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

}  // namespace
}  // namespace portmon::test
