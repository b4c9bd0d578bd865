// Starting, updating and stopping a simulator.

#include <gtest/gtest.h>

#include "nicproto/attribute_frame.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

std::vector<std::uint8_t> Probe(std::uint16_t replyPort) {
  return nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ProbeRequest,
                                    nic::AttributeRecord{}, replyPort);
}

std::uint8_t PortStatus(const Datagram& hbm) {
  nic::FrameKind kind{};
  nic::AttributeRecord record;
  std::uint8_t status = 0xFF;
  EXPECT_TRUE(nic::ParseAttributeFrame(hbm.bytes, kind, record));
  EXPECT_TRUE(nic::GetByteAttribute(record, nic::tag::kPortStatus, status));
  return status;
}

TEST(SimulatorLifecycle, UpdateMovesTheNicAndChangesWhatItReports) {
  const TestFolder folder;
  Simulator simulator(folder.path());
  SimNic nic = TestNic("127.0.9.50", "00:80:87:09:00:50");
  std::string error;
  ASSERT_TRUE(simulator.Start({nic}, &error)) << error;
  nic.ip = "127.0.9.51";
  nic.portStatus = 0x02;
  ASSERT_TRUE(simulator.Update(nic));

  UdpClient client;
  client.SendTo("127.0.9.51", 8450, Probe(client.port()));
  const auto hbm = client.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(hbm->ip, "127.0.9.51");
  EXPECT_EQ(PortStatus(*hbm), 0x02);
}

TEST(SimulatorLifecycle, UpdateRefusesUnknownMacAndForeignAddress) {
  const TestFolder folder;
  Simulator simulator(folder.path());
  SimNic nic = TestNic("127.0.9.52", "00:80:87:09:00:52");
  ASSERT_TRUE(simulator.Start({nic}, nullptr));
  EXPECT_FALSE(simulator.Update(TestNic("127.0.9.52", "00:80:87:09:09:99")));
  nic.ip = "192.168.1.5";
  EXPECT_FALSE(simulator.Update(nic));
  SimNic now;
  ASSERT_TRUE(simulator.Find("00:80:87:09:00:52", &now));
  EXPECT_EQ(now.ip, "127.0.9.52");
}

TEST(SimulatorLifecycle, StartRefusesWhatItCannotServe) {
  std::string error;
  const TestFolder folder;
  Simulator foreign(folder.path());
  EXPECT_FALSE(foreign.Start({TestNic("10.0.0.1", "00:80:87:09:00:53")}, &error));
  EXPECT_NE(error.find("10.0.0.1"), std::string::npos);

  Simulator twice(folder.path());
  EXPECT_FALSE(twice.Start(
      {TestNic("127.0.9.53", "00:80:87:09:00:53"), TestNic("127.0.9.54", "00:80:87:09:00:53")},
      &error));
  EXPECT_NE(error.find("twice"), std::string::npos);
}

TEST(SimulatorLifecycle, AddressIsFreeAgainAfterStop) {
  for (int round = 0; round < 2; ++round) {
    const TestFolder folder;
  Simulator simulator(folder.path());
    std::string error;
    ASSERT_TRUE(simulator.Start({TestNic("127.0.9.55", "00:80:87:09:00:55")}, &error)) << error;
    const tools::UniqueFd fd = ConnectPrinter("127.0.9.55");
    EXPECT_TRUE(fd);
    ASSERT_TRUE(simulator.WaitForEvent("connect", kReplyWaitMs));
    simulator.Stop();
  }
}

}  // namespace
}  // namespace nicsim::test
