// A simulated NIC on the attribute port, seen from the manager's side.

#include <gtest/gtest.h>

#include "nicconf/sheets/core/nic_settings.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/exn_notice.h"
#include "nicproto/status_datagram.h"
#include "nicproto/wake_up_packet.h"
#include "tools/nicsim/control_command.h"
#include "tools/nicsim/monotonic_time.h"
#include "tools/nicsim/nic_setting.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

constexpr std::uint16_t kAttributePort = 8450;

std::vector<std::uint8_t> Probe(std::uint16_t replyPort) {
  return nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ProbeRequest,
                                    nic::AttributeRecord{}, replyPort);
}

struct Reply {
  nic::FrameKind kind = nic::FrameKind::Invalid;
  nic::AttributeRecord record;
};

Reply ParseReply(const Datagram& datagram) {
  Reply reply;
  EXPECT_TRUE(nic::ParseAttributeFrame(datagram.bytes, reply.kind, reply.record));
  return reply;
}

std::string Text(const nic::AttributeRecord& record, std::uint8_t tag) {
  char text[65] = {};
  EXPECT_TRUE(nic::GetTextAttribute(record, tag, text, sizeof text));
  return text;
}

std::string Ip(const nic::AttributeRecord& record) {
  char text[16] = {};
  EXPECT_TRUE(nic::GetIpAttribute(record, nic::tag::kIpAddress, text, sizeof text));
  return text;
}

std::string Mac(const nic::AttributeRecord& record) {
  char text[18] = {};
  EXPECT_TRUE(nic::GetMacText(record, text, sizeof text));
  return text;
}

class AttributeProtocol : public ::testing::Test {
 protected:
  void Start(const std::vector<SimNic>& nics) {
    std::string error;
    ASSERT_TRUE(simulator_.Start(nics, &error)) << error;
  }

  TestFolder folder_;
  Simulator simulator_{folder_.path()};
  UdpClient client_;
};

TEST_F(AttributeProtocol, ProbeIsAnsweredWithAttributesThenStatus) {
  SimNic nic = TestNic("127.0.9.10", "00:80:87:09:00:10");
  nic.name = "KEIRI";
  nic.model = "LP-1234";
  Start({nic});
  client_.SendTo("127.0.9.10", kAttributePort, Probe(client_.port()));

  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(hbm->ip, "127.0.9.10");
  EXPECT_EQ(hbm->port, kAttributePort);
  EXPECT_NE(hbm->bytes[3], 0x06);
  EXPECT_NE(hbm->bytes[3], 0x07);
  const Reply reply = ParseReply(*hbm);
  EXPECT_EQ(reply.kind, nic::FrameKind::ProbeReply);
  EXPECT_EQ(Ip(reply.record), "127.0.9.10");
  EXPECT_EQ(Mac(reply.record), "00:80:87:09:00:10");
  EXPECT_EQ(Text(reply.record, nic::tag::kName), "KEIRI");
  EXPECT_EQ(Text(reply.record, nic::tag::kDescription), "NRV FastEthernet 1");
  std::uint8_t capability = 0;
  ASSERT_TRUE(nic::GetByteAttribute(reply.record, nic::tag::kCapabilities, capability));
  EXPECT_EQ(capability, 0x20);

  const auto nrv = client_.Receive();
  ASSERT_TRUE(nrv);
  nic::StatusRecord status{};
  ASSERT_TRUE(nic::ParseStatusDatagram(nrv->bytes, status));
  EXPECT_STREQ(status.mdl, "LP-1234");
  EXPECT_TRUE(status.extStatusValid);
  ASSERT_EQ(EventsOfKind(simulator_, "probe").size(), 1u);
  EXPECT_EQ(EventsOfKind(simulator_, "probe")[0].peerPort, client_.port());
}

TEST_F(AttributeProtocol, ShortProbeIsAnsweredAtThePortItNames) {
  Start({TestNic("127.0.9.11", "00:80:87:09:00:11")});
  UdpClient replyTo;
  client_.SendTo("127.0.9.11", kAttributePort, nic::BuildShortProbeRequest(replyTo.port()));
  const auto hbm = replyTo.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(ParseReply(*hbm).kind, nic::FrameKind::ProbeReply);
  EXPECT_FALSE(client_.HasPending());
}

TEST_F(AttributeProtocol, NicsSharingAnAddressEachAnswerWithTheirOwnMac) {
  Start({TestNic("127.0.9.12", "00:80:87:09:00:12"), TestNic("127.0.9.12", "00:80:87:09:01:12")});
  client_.SendTo("127.0.9.12", kAttributePort, Probe(client_.port()));
  std::vector<std::string> macs;
  for (int i = 0; i < 4; ++i) {
    const auto datagram = client_.Receive();
    ASSERT_TRUE(datagram);
    if (datagram->bytes[0] == 'h') macs.push_back(Mac(ParseReply(*datagram).record));
  }
  EXPECT_EQ(macs, (std::vector<std::string>{"00:80:87:09:00:12", "00:80:87:09:01:12"}));
}

TEST_F(AttributeProtocol, SilentNicRecordsButAnswersNothing) {
  SimNic nic = TestNic("127.0.9.13", "00:80:87:09:00:13");
  nic.fault = Fault::Silent;
  Start({nic});
  client_.SendTo("127.0.9.13", kAttributePort, Probe(client_.port()));
  ASSERT_TRUE(simulator_.WaitForEvent("probe", kReplyWaitMs));
  simulator_.Stop();  // every answer there was to send has been sent
  EXPECT_FALSE(client_.HasPending());
}

TEST_F(AttributeProtocol, AnIgnoredProbeGoesUnansweredAndTheNextIsAnswered) {
  SimNic nic = TestNic("127.0.9.70", "00:80:87:09:00:70");
  nic.ignoreProbes = 1;
  Start({nic});
  client_.SendTo("127.0.9.70", kAttributePort, Probe(client_.port()));
  EXPECT_FALSE(client_.Receive(300));
  client_.SendTo("127.0.9.70", kAttributePort, Probe(client_.port()));
  EXPECT_TRUE(client_.Receive());
}

TEST_F(AttributeProtocol, NoStatusDatagramFaultSendsOnlyTheHbmReply) {
  SimNic nic = TestNic("127.0.9.14", "00:80:87:09:00:14");
  nic.fault = Fault::NoStatusDatagram;
  Start({nic});
  client_.SendTo("127.0.9.14", kAttributePort, Probe(client_.port()));
  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(hbm->bytes[0], 'h');
  simulator_.Stop();
  EXPECT_FALSE(client_.HasPending());
}

TEST_F(AttributeProtocol, SetRequestOfTheAddressMovesTheNic) {
  Start({TestNic("127.0.9.15", "00:80:87:09:00:15")});
  nic::AttributeRecord write;
  nic::SetIpAttribute(write, nic::tag::kIpAddress, "127.0.9.16");
  nic::SetTextAttribute(write, nic::tag::kName, "SOUMU");
  client_.SendTo("127.0.9.15", kAttributePort,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::SetRequest, write,
                                            client_.port()));
  const auto cfm = client_.Receive();
  ASSERT_TRUE(cfm);
  EXPECT_EQ(cfm->ip, "127.0.9.16");
  const Reply reply = ParseReply(*cfm);
  EXPECT_EQ(reply.kind, nic::FrameKind::SetReply);
  EXPECT_EQ(Ip(reply.record), "127.0.9.16");
  EXPECT_EQ(Text(reply.record, nic::tag::kName), "SOUMU");

  client_.SendTo("127.0.9.16", kAttributePort, Probe(client_.port()));
  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(Mac(ParseReply(*hbm).record), "00:80:87:09:00:15");
  SimNic now;
  ASSERT_TRUE(simulator_.Find("00:80:87:09:00:15", &now));
  EXPECT_EQ(now.ip, "127.0.9.16");
  EXPECT_EQ(now.name, "SOUMU");
}

TEST_F(AttributeProtocol, MoveOutsideLoopbackIsRefused) {
  Start({TestNic("127.0.9.17", "00:80:87:09:00:17")});
  nic::AttributeRecord write;
  nic::SetIpAttribute(write, nic::tag::kIpAddress, "10.0.0.1");
  client_.SendTo("127.0.9.17", kAttributePort,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::SetRequest, write,
                                            client_.port()));
  const auto cfm = client_.Receive();
  ASSERT_TRUE(cfm);
  EXPECT_EQ(cfm->ip, "127.0.9.17");
  EXPECT_EQ(Ip(ParseReply(*cfm).record), "127.0.9.17");
}

TEST_F(AttributeProtocol, ExtendedTextIsReadAndWritten) {
  Start({TestNic("127.0.9.18", "00:80:87:09:00:18")});
  nic::ExtendedTextRecord record;
  nic::SetExtendedText(record, "O=SALES.OU=TOKYO");
  client_.SendTo("127.0.9.18", kAttributePort,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ExtSetRequest,
                                            record, client_.port()));
  client_.SendTo("127.0.9.18", kAttributePort,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ExtProbeRequest,
                                            record, client_.port()));
  for (const nic::FrameKind expected :
       {nic::FrameKind::ExtSetReply, nic::FrameKind::ExtProbeReply}) {
    const auto datagram = client_.Receive();
    ASSERT_TRUE(datagram);
    nic::FrameKind kind{};
    nic::ExtendedTextRecord read;
    ASSERT_TRUE(nic::ParseExtendedFrame(datagram->bytes, kind, read));
    EXPECT_EQ(kind, expected);
    char text[256] = {};
    ASSERT_TRUE(nic::GetExtendedText(read, text, sizeof text));
    EXPECT_STREQ(text, "O=SALES.OU=TOKYO");
  }
}

TEST_F(AttributeProtocol, NoticesWakeUpsAndStrangersAreRecordedUnanswered) {
  Start({TestNic("127.0.9.19", "00:80:87:09:00:19")});
  const nic::ExnNotice exn = nic::BuildExnNotice(client_.port(), 1234);
  nic::WakeUpPacket wake{};
  ASSERT_TRUE(nic::BuildWakeUpPacket("00:80:87:09:00:19", wake));
  client_.SendTo("127.0.9.19", kAttributePort, {exn.begin(), exn.end()});
  client_.SendTo("127.0.9.19", kAttributePort, {wake.begin(), wake.end()});
  client_.SendTo("127.0.9.19", 11299, {wake.begin(), wake.end()});
  client_.SendTo("127.0.9.19", kAttributePort, {0x10, 0x00, 'X', 'Y', 'Z'});
  ASSERT_TRUE(simulator_.WaitForEvent("other", kReplyWaitMs));
  simulator_.Stop();
  EXPECT_FALSE(client_.HasPending());
  const auto exns = EventsOfKind(simulator_, "exn");
  ASSERT_EQ(exns.size(), 1u);
  EXPECT_EQ(exns[0].bytes, std::vector<std::uint8_t>(exn.begin(), exn.end()));
  const auto wakes = EventsOfKind(simulator_, "wake");
  ASSERT_EQ(wakes.size(), 2u);
  EXPECT_EQ(wakes[0].localPort + wakes[1].localPort, kAttributePort + 11299);
}

TEST_F(AttributeProtocol, OtherMakerNicDescribesItselfAsForeign) {
  SimNic nic = TestNic("127.0.9.20", "00:80:87:09:00:20");
  nic.fault = Fault::OtherMaker;
  Start({nic});
  client_.SendTo("127.0.9.20", kAttributePort, Probe(client_.port()));
  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  const Reply reply = ParseReply(*hbm);
  EXPECT_EQ(Text(reply.record, nic::tag::kDescription).find("NRV"), std::string::npos);
  std::uint8_t capability = 0;
  ASSERT_TRUE(nic::GetByteAttribute(reply.record, nic::tag::kCapabilities, capability));
  EXPECT_EQ(capability, 0x40);
}

std::vector<std::uint8_t> SetRequest(const nic::AttributeRecord& write, std::uint16_t replyPort) {
  return nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::SetRequest, write,
                                    replyPort);
}

SimNic AttributeNic(const std::string& ip, const std::string& mac) {
  SimNic nic = TestNic(ip, mac);
  nic.capability = 0x64;  // TCP/IP, NetWare and AppleTalk, no commands
  for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
           {"attr.15", "\"LOBBY\""},
           {"attr.10", "150"},
           {"attr.23", "\"OLD\""},
           {"attr.3", "0x01"}}) {
    std::string error;
    EXPECT_TRUE(ApplyNicSetting(nic, key, value, &error)) << error;
  }
  return nic;
}

TEST_F(AttributeProtocol, AttributeNicServesItsPagesFields) {
  Start({AttributeNic("127.0.19.10", "00:80:87:19:00:10")});
  client_.SendTo("127.0.19.10", kAttributePort, Probe(client_.port()));
  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  nic::NicSettings settings;
  settings.attributes = ParseReply(*hbm).record;
  settings.hasAttributes = true;
  ASSERT_FALSE(nic::IsCommandNic(settings));
  using F = nic::SettingField;
  EXPECT_EQ(nic::ReadSetting(settings, F::AppleTalkName), "LOBBY");
  EXPECT_EQ(nic::ReadSetting(settings, F::EtherTalkZone), "*");
  for (const F entity : {F::AppleTalkEntity1, F::AppleTalkEntity2, F::AppleTalkEntity3,
                         F::AppleTalkEntity4}) {
    EXPECT_TRUE(nic::ReadSetting(settings, entity));
  }
  EXPECT_EQ(nic::ReadSetting(settings, F::AccessPeriod), "150");
  EXPECT_EQ(nic::ReadSetting(settings, F::FtpTimeout), "10");
  EXPECT_EQ(nic::ReadSetting(settings, F::SubnetMask), "255.255.255.0");
  char password[33] = {};
  ASSERT_TRUE(nic::GetPassword(settings.attributes, password, sizeof password));
  EXPECT_STREQ(password, "OLD");
  EXPECT_FALSE(nic::FindAttribute(settings.attributes, 21)->present);  // nothing invented
}

TEST_F(AttributeProtocol, SetRequestWritesWhatItCarriesAndTheSettingsFollow) {
  Start({AttributeNic("127.0.19.11", "00:80:87:19:00:11")});
  nic::AttributeRecord write;
  nic::SetTextAttribute(write, 15, "HALL");
  nic::SetByteAttribute(write, nic::tag::kFtpTimeout, 60);
  nic::SetPassword(write, "NEW");
  nic::SetByteAttribute(write, 0, 255);
  client_.SendTo("127.0.19.11", kAttributePort, SetRequest(write, client_.port()));
  const auto cfm = client_.Receive();
  ASSERT_TRUE(cfm);
  const nic::AttributeRecord record = ParseReply(*cfm).record;
  EXPECT_EQ(Text(record, 15), "HALL");
  std::uint8_t value = 0;
  ASSERT_TRUE(nic::GetByteAttribute(record, nic::tag::kFtpTimeout, value));
  EXPECT_EQ(value, 60);
  ASSERT_TRUE(nic::GetByteAttribute(record, nic::tag::kAccessPeriod, value));
  EXPECT_EQ(value, 150);  // not sent, kept
  char password[33] = {};
  ASSERT_TRUE(nic::GetPassword(record, password, sizeof password));
  EXPECT_STREQ(password, "NEW");
  SimNic now;
  ASSERT_TRUE(simulator_.Find("00:80:87:19:00:11", &now));
  EXPECT_EQ(now.attributes[15], (std::vector<std::uint8_t>{'H', 'A', 'L', 'L', 0}));
  EXPECT_EQ(now.attributes.count(nic::tag::kFtpTimeout), 0u);  // never configured

  const std::vector<Event> events = simulator_.Events();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, "set");
  EXPECT_EQ(events[1].kind, "wrote");
  EXPECT_EQ(events[1].mac, "00:80:87:19:00:11");
  EXPECT_EQ(events[1].written, (std::vector<std::string>{"attr 0=255", "attr 14=60",
                                                         "attr 15=\"HALL\"", "attr 23=\"NEW\""}));

  // A later update of the settings keeps what the manager wrote.
  EXPECT_EQ(RunControlCommand(simulator_, "set 00:80:87:19:00:11 portStatus=1"), "ok");
  client_.SendTo("127.0.19.11", kAttributePort, Probe(client_.port()));
  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  const nic::AttributeRecord probed = ParseReply(*hbm).record;
  ASSERT_TRUE(nic::GetByteAttribute(probed, 0, value));
  EXPECT_EQ(value, 255);
  ASSERT_TRUE(nic::GetByteAttribute(probed, nic::tag::kFtpTimeout, value));
  EXPECT_EQ(value, 60);
  EXPECT_EQ(Text(probed, 15), "HALL");
}

// The slow NIC's replies wait without holding up the serving thread.
TEST_F(AttributeProtocol, SlowNicDoesNotDelayAnother) {
  constexpr int kDelayMs = 1000;
  SimNic slow = TestNic("127.0.19.12", "00:80:87:19:00:12");
  slow.replyDelayMs = kDelayMs;
  Start({slow, TestNic("127.0.19.13", "00:80:87:19:00:13")});
  const MonoNs sent = MonotonicNow();
  client_.SendTo("127.0.19.12", kAttributePort, Probe(client_.port()));
  client_.SendTo("127.0.19.13", kAttributePort, Probe(client_.port()));
  std::vector<std::string> from;
  for (int i = 0; i < 4; ++i) {
    const auto datagram = client_.Receive();
    ASSERT_TRUE(datagram);
    from.push_back(datagram->ip);
    if (datagram->ip == "127.0.19.12") {
      EXPECT_GE(MonotonicNow() - sent, kDelayMs * kNsPerMs);
    }
  }
  // Probe reply and status datagram of each, the fast NIC's first and the
  // slow one's in their order.
  EXPECT_EQ(from, (std::vector<std::string>{"127.0.19.13", "127.0.19.13", "127.0.19.12",
                                            "127.0.19.12"}));
  EXPECT_EQ(EventsOfKind(simulator_, "probe").size(), 2u);
}

}  // namespace
}  // namespace nicsim::test
