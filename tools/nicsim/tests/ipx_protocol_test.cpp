// Simulated NICs on the loopback IPX, seen from a manager's station: the
// envelope both ways, requests without the reply-port prefix, the fault modes.

#include <gtest/gtest.h>

#include "nicconf/ipx/core/ipx_address.h"
#include "nicproto/attribute_frame.h"
#include "outside/netware/loopback_ipx.h"
#include "tools/nicsim/nic_setting.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

constexpr std::uint16_t kPortBase = 23000;
constexpr std::uint8_t kManagerSocket[2] = {0x40, 0x01};

netware_standin::Station Station(std::uint8_t network, std::uint8_t node) {
  return {{0, 0, 0, network}, {0x00, 0x80, 0x87, 0x0A, 0x00, node}};
}

SimNic IpxNic(const char* network, std::uint8_t node) {
  char mac[18];
  std::snprintf(mac, sizeof mac, "00:80:87:0A:00:%02X", node);
  // Addresses of their own: the other protocol tests run beside these.
  SimNic nic = TestNic("127.0.29." + std::to_string(node), mac);
  nic.ipxNetwork = network;
  return nic;
}

std::uint16_t PortOf(const netware_standin::Station& station) {
  netware_standin::Segment segment;
  segment.portBase = kPortBase;
  return netware_standin::StationPort(segment, station);
}

std::vector<std::uint8_t> Request(nic::FrameKind kind, const nic::AttributeRecord& record = {}) {
  return nic::BuildAttributeRequest(nic::Transport::Ipx, kind, record, 0);
}

struct IpxReply {
  netware_standin::Station source{};
  std::uint8_t socket[2] = {};
  std::vector<std::uint8_t> data;
};

class IpxProtocol : public ::testing::Test {
 protected:
  void Start(const std::vector<SimNic>& nics) {
    simulator_.SetIpxPortBase(kPortBase);
    std::string error;
    ASSERT_TRUE(simulator_.Start(nics, &error)) << error;
  }
  void Send(const netware_standin::Station& to, const std::vector<std::uint8_t>& data) {
    client_.SendTo("127.0.0.1", PortOf(to),
                   netware_standin::Wrap(Station(0x1A, 0x01), kManagerSocket, data));
  }
  std::optional<IpxReply> Receive(int timeoutMs = kReplyWaitMs) {
    const auto datagram = client_.Receive(timeoutMs);
    if (!datagram) return std::nullopt;
    IpxReply reply;
    std::span<const std::uint8_t> data;
    if (!netware_standin::Unwrap(datagram->bytes, reply.source, reply.socket, data)) {
      return std::nullopt;
    }
    reply.data.assign(data.begin(), data.end());
    return reply;
  }

  TestFolder folder_;
  Simulator simulator_{folder_.path()};
  UdpClient client_;
};

TEST_F(IpxProtocol, ProbeIsAnsweredFromTheNicsStationWithAttributesThenStatus) {
  SimNic nic = IpxNic("1a", 0x11);
  nic.name = "SOUMU";
  Start({nic});
  Send(Station(0x1A, 0x11), Request(nic::FrameKind::ProbeRequest));

  const auto hbm = Receive();
  ASSERT_TRUE(hbm);
  EXPECT_TRUE(netware_standin::SameStation(hbm->source, Station(0x1A, 0x11)));
  EXPECT_EQ(hbm->socket[0], nic::ipx::kNicSocket[0]);
  EXPECT_EQ(hbm->socket[1], nic::ipx::kNicSocket[1]);
  nic::FrameKind kind{};
  nic::AttributeRecord record;
  ASSERT_TRUE(nic::ParseAttributeFrame(hbm->data, kind, record));
  EXPECT_EQ(kind, nic::FrameKind::ProbeReply);
  char name[65] = {};
  ASSERT_TRUE(nic::GetTextAttribute(record, nic::tag::kName, name, sizeof name));
  EXPECT_STREQ(name, "SOUMU");
  const auto status = Receive();
  ASSERT_TRUE(status);
  ASSERT_GE(status->data.size(), 3u);
  EXPECT_EQ(std::string(status->data.begin(), status->data.begin() + 3), "nrv");

  const auto events = EventsOfKind(simulator_, "probe");
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].nicIp, "0000001A:0080870A0011");
  EXPECT_EQ(events[0].localPort, PortOf(Station(0x1A, 0x11)));
}

TEST_F(IpxProtocol, SetAndExtendedRequestsWriteAndAnswer) {
  Start({IpxNic("1A", 0x12)});
  nic::AttributeRecord record;
  nic::SetTextAttribute(record, nic::tag::kName, "RENAMED");
  Send(Station(0x1A, 0x12), Request(nic::FrameKind::SetRequest, record));
  const auto cfm = Receive();
  ASSERT_TRUE(cfm);
  EXPECT_EQ(std::string(cfm->data.begin(), cfm->data.begin() + 3), "cfm");
  SimNic now;
  ASSERT_TRUE(simulator_.Find("00:80:87:0A:00:12", &now));
  EXPECT_EQ(now.name, "RENAMED");

  nic::ExtendedTextRecord text;
  nic::SetExtendedText(text, "O=NEW");
  Send(Station(0x1A, 0x12),
       nic::BuildAttributeRequest(nic::Transport::Ipx, nic::FrameKind::ExtSetRequest, text, 0));
  const auto extended = Receive();
  ASSERT_TRUE(extended);
  EXPECT_EQ(nic::ClassifyExtendedHeader(extended->data), nic::FrameKind::ExtSetReply);
  ASSERT_TRUE(simulator_.Find("00:80:87:0A:00:12", &now));
  EXPECT_EQ(now.extendedText, "O=NEW");
}

TEST_F(IpxProtocol, FaultModesAndStationsWithoutIpx) {
  SimNic twice = IpxNic("1A", 0x13);
  twice.fault = Fault::AnswersTwice;
  SimNic silent = IpxNic("1A", 0x14);
  silent.fault = Fault::Silent;
  SimNic ipOnly = IpxNic("", 0x15);
  Start({twice, silent, ipOnly});

  Send(Station(0x1A, 0x13), Request(nic::FrameKind::ProbeRequest));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Receive()) << i;  // hbm and nrv, each twice
  Send(Station(0x1A, 0x14), Request(nic::FrameKind::ProbeRequest));
  Send(Station(0x1A, 0x15), Request(nic::FrameKind::ProbeRequest));
  EXPECT_FALSE(Receive(300));
  EXPECT_EQ(EventsOfKind(simulator_, "probe").size(), 2u);  // nobody listens for the third

  // A datagram too short for the envelope is recorded and left unanswered.
  client_.SendTo("127.0.0.1", PortOf(Station(0x1A, 0x13)), {1, 2, 3});
  ASSERT_TRUE(simulator_.WaitForEvent("other", kReplyWaitMs));
  EXPECT_FALSE(client_.HasPending());

  // The IPX network is fixed for the simulator's life.
  twice.ipxNetwork = "0000002B";
  EXPECT_FALSE(simulator_.Update(twice));
}

TEST(IpxStations, NetworkSettingIsUpToEightHexDigits) {
  SimNic nic;
  EXPECT_TRUE(ApplyNicSetting(nic, "ipxNetwork", "1a", nullptr));
  EXPECT_EQ(nic.ipxNetwork, "0000001A");
  EXPECT_TRUE(ApplyNicSetting(nic, "fault", "twice", nullptr));
  EXPECT_EQ(nic.fault, Fault::AnswersTwice);
  for (const char* bad : {"123456789", "1G", "-1", " 1"}) {
    EXPECT_FALSE(ApplyNicSetting(nic, "ipxNetwork", bad, nullptr)) << bad;
  }
  EXPECT_TRUE(ApplyNicSetting(nic, "ipxNetwork", "", nullptr));
  EXPECT_TRUE(nic.ipxNetwork.empty());
}

TEST(IpxStations, TwoStationsOnOnePortRefuseToStart) {
  TestFolder folder;
  Simulator simulator(folder.path());
  simulator.SetIpxPortBase(kPortBase);
  SimNic a = IpxNic("01", 0x20);
  SimNic b = IpxNic("41", 0x20);  // 0x41 x 256 is 16384 higher: the same port
  b.mac = "00:80:87:0B:00:20";
  b.ip = "127.0.29.99";
  std::string error;
  EXPECT_FALSE(simulator.Start({a, b}, &error));
  EXPECT_NE(error.find("IPX station 00000041:0080870B0020"), std::string::npos) << error;
}

}  // namespace
}  // namespace nicsim::test
