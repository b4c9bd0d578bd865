// A simulated NIC on the command port, seen from the manager's side.

#include <gtest/gtest.h>

#include <algorithm>

#include "nicconf/sheets/core/nic_settings.h"
#include "nicconf/sheets/core/page_plan.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/command_frame.h"
#include "nicproto/extended_text_record.h"
#include "tools/nicsim/control_command.h"
#include "tools/nicsim/nic_setting.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

constexpr std::uint16_t kCommandPort = 11299;

class CommandProtocol : public ::testing::Test {
 protected:
  void Start(const std::string& ip, const std::string& mac) { Start({TestNic(ip, mac)}); }
  void Start(const std::vector<SimNic>& nics) {
    std::string error;
    ASSERT_TRUE(simulator_.Start(nics, &error)) << error;
  }

  nic::ConfigItemList ReadConfig(const std::string& ip) {
    Send(ip, 2, nic::CommandSlot{});
    return Reply().configItems;
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

SimNic Configured(const std::string& ip, const std::string& mac,
                  const std::vector<std::pair<std::string, std::string>>& settings) {
  SimNic nic = TestNic(ip, mac);
  for (const auto& [key, value] : settings) {
    std::string error;
    EXPECT_TRUE(ApplyNicSetting(nic, key, value, &error)) << error;
  }
  return nic;
}

std::optional<std::string> Field(const nic::ConfigItemList& items, nic::SettingField field) {
  nic::NicSettings settings;
  settings.items = items;
  settings.hasCommandReply = true;
  return nic::ReadSetting(settings, field);
}

// Every field of the command NIC's pages, read as the sheets read it.
TEST_F(CommandProtocol, EveryFieldOfTheCommandPagesIsServedWithinItsRange) {
  Start("127.0.19.1", "00:80:87:19:00:01");
  const nic::ConfigItemList items = ReadConfig("127.0.19.1");
  using F = nic::SettingField;
  for (int f = static_cast<int>(F::PrinterName); f <= static_cast<int>(F::MailBody3); ++f) {
    EXPECT_TRUE(Field(items, static_cast<F>(f))) << "field " << f;
  }
  const auto number = [&](F field) { return std::stoi(Field(items, field).value_or("-1")); };
  EXPECT_GE(number(F::MaxSessions), 1);
  EXPECT_LE(number(F::MaxSessions), 64);
  EXPECT_GE(number(F::SessionTimeout), 30);
  EXPECT_LE(number(F::SessionTimeout), 7200);
  EXPECT_GE(number(F::FtpTimeout), 5);
  EXPECT_LE(number(F::FtpTimeout), 60);
  EXPECT_EQ(number(F::AccessPeriod) % 50, 0);
  EXPECT_EQ(Field(items, F::MailNotice), "0");
}

TEST_F(CommandProtocol, ConfiguredItemsAreServedAndMailOffLeavesTheMailPageOut) {
  Start({Configured("127.0.19.2", "00:80:87:19:00:02",
                    {{"item.4", "64"}, {"item.3", "127.0.0.9"}, {"item.82", "admin@example.com"},
                     {"item.85", "Toner low at the front desk"}, {"item.2", "255.255.0.0"}}),
         Configured("127.0.19.3", "00:80:87:19:00:03", {{"mail", "off"}, {"item.82", "x@y"}})});
  const nic::ConfigItemList items = ReadConfig("127.0.19.2");
  using F = nic::SettingField;
  EXPECT_EQ(Field(items, F::MaxSessions), "64");
  EXPECT_EQ(Field(items, F::Gateway), "127.0.0.9");
  EXPECT_EQ(Field(items, F::SubnetMask), "255.255.0.0");
  EXPECT_EQ(Field(items, F::MailTo), "admin@example.com");
  EXPECT_EQ(Field(items, F::MailBody1), "Toner low at the front desk");

  const nic::ConfigItemList without = ReadConfig("127.0.19.3");
  for (std::uint8_t tag = 80; tag <= 87; ++tag) {
    EXPECT_FALSE(nic::FindConfigItem(without, tag)->present) << int{tag};
  }
  EXPECT_TRUE(nic::FindConfigItem(without, 79)->present);
  const nic::NicFacts facts{0x20, true, "NRV FastEthernet 1", false, 0, false};
  const auto pages = nic::PagesFor(facts);
  EXPECT_EQ(std::count(pages.begin(), pages.end(), nic::SettingPage::MailNotice), 0);

  // Turned on again the mail items come back with their configured values.
  EXPECT_EQ(RunControlCommand(simulator_, "set 00:80:87:19:00:03 mail=on"), "ok");
  EXPECT_EQ(Field(ReadConfig("127.0.19.3"), F::MailTo), "x@y");
}

// What a sheet sends is only the changed items: the NIC must change those and
// keep every other one, counters and absent mail items included.
TEST_F(CommandProtocol, WritingChangesExactlyTheItemsSent) {
  Start({Configured("127.0.19.4", "00:80:87:19:00:04", {{"item.4", "16"}}),
         Configured("127.0.19.5", "00:80:87:19:00:05", {{"mail", "off"}})});
  const nic::ConfigItemList before = ReadConfig("127.0.19.4");
  nic::CommandSlot write;
  nic::SetConfigByte(write.configItems, 4, 64);
  nic::SetConfigText(write.configItems, 82, "to@example.com");
  nic::SetConfigDword(write.configItems, 144, 7);  // a counter: the NIC's own
  Send("127.0.19.4", 1, write);
  EXPECT_EQ(Reply().command, 1);
  const nic::ConfigItemList after = ReadConfig("127.0.19.4");
  for (const nic::ConfigItem& item : after.items) {
    const nic::ConfigItem& old = *nic::FindConfigItem(before, item.tag);
    if (item.tag == 4 || item.tag == 82) continue;
    EXPECT_EQ(item.present, old.present) << int{item.tag};
    EXPECT_EQ(std::string(item.value, std::max(item.length, 0)),
              std::string(old.value, std::max(old.length, 0)))
        << int{item.tag};
  }
  EXPECT_EQ(Field(after, nic::SettingField::MaxSessions), "64");
  EXPECT_EQ(Field(after, nic::SettingField::MailTo), "to@example.com");
  auto wrote = EventsOfKind(simulator_, "wrote");
  ASSERT_EQ(wrote.size(), 1u);
  EXPECT_EQ(wrote[0].mac, "00:80:87:19:00:04");
  EXPECT_EQ(wrote[0].localPort, kCommandPort);
  EXPECT_EQ(wrote[0].written,
            (std::vector<std::string>{"item 4=64", "item 144=7", "item 82=\"to@example.com\""}));
  // The configured value follows the write, so a later update keeps it.
  EXPECT_EQ(RunControlCommand(simulator_, "set 00:80:87:19:00:04 portStatus=1"), "ok");
  EXPECT_EQ(Field(ReadConfig("127.0.19.4"), nic::SettingField::MaxSessions), "64");

  nic::CommandSlot mail;
  nic::SetConfigByte(mail.configItems, 80, 1);
  Send("127.0.19.5", 1, mail);
  EXPECT_EQ(Reply().command, 1);
  EXPECT_FALSE(nic::FindConfigItem(ReadConfig("127.0.19.5"), 80)->present);
  wrote = EventsOfKind(simulator_, "wrote");
  ASSERT_EQ(wrote.size(), 2u);
  EXPECT_EQ(wrote[1].written, std::vector<std::string>{"item 80=1"});  // carried, not held
}

// A NIC that refuses writes still reads; the writes are seen but neither
// taken nor answered, so the next reply is that of the read sent after them.
TEST_F(CommandProtocol, RefusingNicAnswersReadsButNeverAWrite) {
  Start({Configured("127.0.19.6", "00:80:87:19:00:06", {{"fault", "refusewrites"}})});
  nic::CommandSlot write;
  nic::SetConfigByte(write.configItems, 4, 64);
  nic::SetConfigText(write.configItems, nic::config::kName, "CHANGED");
  Send("127.0.19.6", 1, write);
  const nic::ConfigItemList items = ReadConfig("127.0.19.6");
  EXPECT_EQ(Field(items, nic::SettingField::MaxSessions), "8");
  EXPECT_EQ(Field(items, nic::SettingField::PrinterName), "PRN");

  nic::AttributeRecord set;
  nic::SetTextAttribute(set, nic::tag::kName, "CHANGED");
  client_.SendTo("127.0.19.6", 8450,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::SetRequest, set,
                                            client_.port()));
  nic::ExtendedTextRecord context;
  nic::SetExtendedText(context, "O=ELSEWHERE");
  client_.SendTo("127.0.19.6", 8450,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ExtSetRequest,
                                            context, client_.port()));
  client_.SendTo("127.0.19.6", 8450,
                 nic::BuildAttributeRequest(nic::Transport::Udp, nic::FrameKind::ProbeRequest,
                                            nic::AttributeRecord{}, client_.port()));
  const auto hbm = client_.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(std::string(hbm->bytes.begin(), hbm->bytes.begin() + 3), "hbm");
  nic::FrameKind kind{};
  nic::AttributeRecord record;
  ASSERT_TRUE(nic::ParseAttributeFrame(hbm->bytes, kind, record));
  EXPECT_EQ(kind, nic::FrameKind::ProbeReply);

  SimNic now;
  ASSERT_TRUE(simulator_.Find("00:80:87:19:00:06", &now));
  EXPECT_EQ(now.name, "PRN");
  EXPECT_EQ(now.extendedText, "O=OFFICE");
  EXPECT_EQ(EventsOfKind(simulator_, "set").size(), 1u);
  EXPECT_EQ(EventsOfKind(simulator_, "extset").size(), 1u);
  EXPECT_TRUE(EventsOfKind(simulator_, "wrote").empty());
}

}  // namespace
}  // namespace nicsim::test
