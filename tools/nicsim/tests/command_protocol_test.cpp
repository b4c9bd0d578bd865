// A simulated NIC on the command port, seen from the manager's side.

#include <gtest/gtest.h>

#include "nicproto/command_frame.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

constexpr std::uint16_t kCommandPort = 11299;

class CommandProtocol : public ::testing::Test {
 protected:
  void Start(const std::string& ip, const std::string& mac) {
    std::string error;
    ASSERT_TRUE(simulator_.Start({TestNic(ip, mac)}, &error)) << error;
  }

  void Send(const std::string& ip, std::uint8_t command, const nic::CommandSlot& slot) {
    client_.SendTo(ip, kCommandPort, nic::BuildCommandRequest(command, slot, client_.port()));
  }

  // The next NAK, read into a slot.
  nic::CommandSlot Reply(std::string* from = nullptr) {
    nic::CommandSlot slot;
    const auto datagram = client_.Receive();
    EXPECT_TRUE(datagram);
    if (!datagram) return slot;
    EXPECT_EQ(datagram->port, kCommandPort);
    if (from != nullptr) *from = datagram->ip;
    EXPECT_TRUE(nic::ParseCommandReply(datagram->bytes, slot));
    return slot;
  }

  TestFolder folder_;
  Simulator simulator_{folder_.path()};
  UdpClient client_;
};

std::string ConfigIp(const nic::ConfigItemList& list) {
  char ip[16] = {};
  EXPECT_TRUE(nic::GetConfigIp(list, nic::config::kIpAddress, ip, sizeof ip));
  return ip;
}

TEST_F(CommandProtocol, ConfigurationIsReadInBothRequestForms) {
  Start("127.0.9.30", "00:80:87:09:00:30");
  Send("127.0.9.30", 2, nic::CommandSlot{});
  client_.SendTo("127.0.9.30", kCommandPort, nic::BuildEmptyCommandRequest(2, client_.port()));
  for (int i = 0; i < 2; ++i) {
    const nic::CommandSlot slot = Reply();
    EXPECT_EQ(slot.command, 2);
    EXPECT_EQ(ConfigIp(slot.configItems), "127.0.9.30");
    char name[49] = {};
    ASSERT_TRUE(nic::GetConfigText(slot.configItems, nic::config::kName, name, sizeof name));
    EXPECT_STREQ(name, "PRN");
    std::uint16_t wait = 0;
    EXPECT_TRUE(nic::GetConfigWord(slot.configItems, nic::config::kPowerOffWait, wait));
  }
}

TEST_F(CommandProtocol, WritingTheConfigurationRenamesAndMovesTheNic) {
  Start("127.0.9.31", "00:80:87:09:00:31");
  nic::CommandSlot write;
  nic::SetConfigText(write.configItems, nic::config::kName, "JINJI");
  nic::SetConfigIp(write.configItems, nic::config::kIpAddress, "127.0.9.32");
  Send("127.0.9.31", 1, write);
  std::string from;
  EXPECT_EQ(Reply(&from).command, 1);
  EXPECT_EQ(from, "127.0.9.32");

  Send("127.0.9.32", 2, nic::CommandSlot{});
  const nic::CommandSlot read = Reply();
  EXPECT_EQ(ConfigIp(read.configItems), "127.0.9.32");
  char name[49] = {};
  ASSERT_TRUE(nic::GetConfigText(read.configItems, nic::config::kName, name, sizeof name));
  EXPECT_STREQ(name, "JINJI");
}

TEST_F(CommandProtocol, Command6IsNeverAnsweredAndPowerOffIsRecorded) {
  Start("127.0.9.33", "00:80:87:09:00:33");
  nic::CommandSlot text;
  nic::SetCommandText(text, "hello");
  Send("127.0.9.33", 6, text);
  Send("127.0.9.33", 16, nic::CommandSlot{});
  EXPECT_EQ(Reply().command, 16);  // 6 sent first, yet nothing came before this
  const auto ncm = EventsOfKind(simulator_, "ncm");
  ASSERT_EQ(ncm.size(), 2u);
  EXPECT_EQ(ncm[0].bytes[5], 6);
  EXPECT_EQ(ncm[1].bytes[5], 16);
  EXPECT_EQ(ncm[1].bytes.size(), 2u + 4u + 2u + 6u);
}

TEST_F(CommandProtocol, StatusTextAndEcho) {
  Start("127.0.9.34", "00:80:87:09:00:34");
  Send("127.0.9.34", 5, nic::CommandSlot{});
  EXPECT_STREQ(Reply().status.mdl, "LP-9800C");
  nic::CommandSlot text;
  nic::SetCommandText(text, "echo me");
  Send("127.0.9.34", 7, text);
  EXPECT_STREQ(Reply().text, "echo me");
  for (const std::uint8_t command : {3, 33, 35}) {
    Send("127.0.9.34", command, nic::CommandSlot{});
    const nic::CommandSlot reply = Reply();
    EXPECT_EQ(reply.command, command);
    EXPECT_GT(reply.textLength, 0u);
  }
}

}  // namespace
}  // namespace nicsim::test
