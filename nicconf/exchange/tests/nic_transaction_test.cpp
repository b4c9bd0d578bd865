#include "nicconf/exchange/nic_transaction.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "nicconf/exchange/system_commands.h"
#include "nicconf/exchange/tests/command_log.h"
#include "nicconf/exchange/tests/exchange_test_support.h"

namespace nic {
namespace {

using Lines = std::vector<std::string>;

constexpr test::TestNic kWritable{"127.0.1.20", "00:80:87:01:00:20"};
constexpr test::TestNic kNetWare{"127.0.1.21", "00:80:87:01:00:21"};
constexpr test::TestNic kConfigurable{"127.0.1.22", "00:80:87:01:00:22"};

// The route/ARP path runs the stand-ins with short limits, and this host is
// 127.0.0.1; the nudge datagram stays on loopback.
class TransactionTest : public test::ExchangeTest {
 protected:
  void SetUp() override {
    NetworkSeams seams;
    seams.arpPath = {1000, "127.0.0.1"};
    seams.commands.isAdministrator = [](void* allowed) { return *static_cast<bool*>(allowed); };
    seams.commands.context = &administrator;
    StartWith(seams);
    SetLocalAddress("127.0.0.1");
  }

  NicTransaction* Finish(NicTransaction* transaction) {
    EXPECT_NE(transaction, nullptr);
    if (transaction != nullptr) WaitFinished(transaction);
    return transaction;
  }

  static std::string Name(const TransactionBlock& block) {
    char name[64] = "";
    GetTextAttribute(block.attributes, tag::kName, name, sizeof name);
    return name;
  }

  bool administrator = true;
  test::CommandLog log;
};

TEST_F(TransactionTest, ReadAtTheRightAddressRunsNoCommand) {
  NicTransaction* t = Finish(StartNicRead(test::kReady.ip, test::kReady.mac, nullptr, true, 1000));
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  const TransactionBlock* result = GetResultBlock(t);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->attrReplied, 1u);
  EXPECT_EQ(result->statusReceived, 1u);
  EXPECT_EQ(Name(*result), "READY");
  EXPECT_STREQ(result->status.mdl, "LP-9800C");
  EXPECT_FALSE(UsedArpPath(t));
  EXPECT_EQ(log.Lines(), Lines{});
  Release(t);
}

TEST_F(TransactionTest, SilentNicIsTriedOnceMoreByMacAndTheEntriesAreRemoved) {
  NicTransaction* t = Finish(StartNicRead(test::kSilent.ip, test::kSilent.mac, nullptr, true, 300));
  EXPECT_EQ(GetEndCode(t).endCode, kTimedOut);
  EXPECT_TRUE(UsedArpPath(t));
  EXPECT_EQ(log.Lines(), (Lines{"route add 127.0.1.6 127.0.0.1",
                                "arp -s 127.0.1.6 00-80-87-01-00-06 127.0.0.1",
                                "route delete 127.0.1.6", "arp -d 127.0.1.6"}));
  Release(t);
}

TEST_F(TransactionTest, PlaceholderMacTakesTheFirstNicThatAnswers) {
  NicTransaction* t = Finish(StartNicRead(test::kPrinting.ip, kPlaceholderMac, nullptr, true, 1000));
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  EXPECT_STREQ(t->targetMac(), test::kPrinting.mac);
  char mac[18];
  ASSERT_TRUE(GetMacText(GetResultBlock(t)->attributes, mac, sizeof mac));
  EXPECT_STREQ(mac, test::kPrinting.mac);
  Release(t);
}

TEST_F(TransactionTest, AnotherNicAtTheAddressIsReportedNotTaken) {
  NicTransaction* t = Finish(StartNicRead(test::kSharedA.ip, "00:80:87:01:00:99", nullptr, true, 300));
  EXPECT_EQ(GetEndCode(t).endCode, kTimedOut);
  EXPECT_EQ(GetResultBlock(t)->attrReplied, 0u);
  char mac[18] = "";
  char name[64] = "";
  ASSERT_TRUE(GetOtherResponder(t, mac, name));
  EXPECT_TRUE(std::string(mac) == test::kSharedA.mac || std::string(mac) == test::kSharedB.mac) << mac;
  EXPECT_EQ(std::string(name).rfind("SHARED-", 0), 0u) << name;
  Release(t);

  t = Finish(StartNicRead(test::kReady.ip, test::kReady.mac, nullptr, true, 1000));
  EXPECT_FALSE(GetOtherResponder(t, mac, name));
  Release(t);
}

TEST_F(TransactionTest, WriteWithNothingToSendEndsAtOnce) {
  const std::uint32_t start = platform::TickCount();
  NicTransaction* t = Finish(StartNicWrite(test::kReady.ip, test::kReady.mac, nullptr, nullptr, 5000, true));
  EXPECT_LT(platform::TicksSince(start), 500u);
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  EXPECT_EQ(log.Lines(), Lines{});
  Release(t);
}

TEST_F(TransactionTest, WriteChangesTheNicAndAReadSeesIt) {
  NicTransaction* read = Finish(StartNicRead(kWritable.ip, kWritable.mac, nullptr, true, 1000));
  ASSERT_EQ(GetResultBlock(read)->attrReplied, 1u);
  auto request = std::make_unique<TransactionBlock>(*GetResultBlock(read));
  Release(read);
  ASSERT_TRUE(SetTextAttribute(request->attributes, tag::kName, "RENAMED"));
  request->attrReplied = 1;
  request->extReplied = 0;
  NicTransaction* write = Finish(StartNicWrite(kWritable.ip, kWritable.mac, request.get(), nullptr, 1000, false));
  EXPECT_EQ(GetEndCode(write).endCode, kFinished);
  EXPECT_EQ(Name(*GetResultBlock(write)), "RENAMED");
  Release(write);
  read = Finish(StartNicRead(kWritable.ip, kWritable.mac, nullptr, true, 1000));
  EXPECT_EQ(Name(*GetResultBlock(read)), "RENAMED");
  Release(read);
}

TEST_F(TransactionTest, ReadAsksTheCommandProtocolForItsSlots) {
  CommandSlotList slots(3);
  slots.GetOrCreate(2);
  slots.GetOrCreate(5);
  NicTransaction* t = Finish(StartNicRead(test::kReady.ip, test::kReady.mac, &slots, true, 1000));
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  EXPECT_EQ(slots[0].state, SlotState::Pending);  // the caller's list is not touched
  CommandSlotList* answered = GetCommandSlots(t);
  ASSERT_NE(answered, nullptr);
  const CommandSlot* config = answered->FindAnswered(2);
  ASSERT_NE(config, nullptr);
  char ip[16];
  ASSERT_TRUE(GetConfigIp(config->configItems, config::kIpAddress, ip, sizeof ip));
  EXPECT_STREQ(ip, test::kReady.ip);
  const CommandSlot* status = answered->FindAnswered(5);
  ASSERT_NE(status, nullptr);
  EXPECT_STREQ(status->status.mdl, "LP-9800C");
  Release(t);
}

TEST_F(TransactionTest, NicWithoutCommandProtocolIsAskedForItsExtendedText) {
  NicTransaction* t = Finish(StartNicRead(kNetWare.ip, kNetWare.mac, nullptr, true, 1000));
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  const TransactionBlock* result = GetResultBlock(t);
  ASSERT_EQ(result->extReplied, 1u);
  char text[300];
  ASSERT_TRUE(GetExtendedText(result->extendedText, text, sizeof text));
  EXPECT_STREQ(text, "OU=SALES.O=OFFICE");
  Release(t);
}

TEST_F(TransactionTest, ConfigurationItemsAndPowerOffThroughCommandSlots) {
  CommandSlotList slots(2);
  CommandSlot* configure = slots.GetOrCreate(1);
  ASSERT_TRUE(SetConfigByte(configure->configItems, 8, 9));
  CommandSlot* powerOff = slots.GetOrCreate(16);
  const std::uint8_t mac[] = {0x00, 0x80, 0x87, 0x01, 0x00, 0x22};
  std::memcpy(powerOff->mac, mac, sizeof mac);
  NicTransaction* t = Finish(StartNicWrite(kConfigurable.ip, kConfigurable.mac, nullptr, &slots, 1000, false));
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  EXPECT_NE(GetCommandSlots(t)->FindAnswered(1), nullptr);
  EXPECT_NE(GetCommandSlots(t)->FindAnswered(16), nullptr);
  Release(t);

  CommandSlotList read(1);
  read.GetOrCreate(2);
  t = Finish(StartNicRead(kConfigurable.ip, kConfigurable.mac, &read, true, 1000));
  const CommandSlot* config = GetCommandSlots(t)->FindAnswered(2);
  ASSERT_NE(config, nullptr);
  std::uint8_t ftp = 0;
  ASSERT_TRUE(GetConfigByte(config->configItems, 8, ftp));
  EXPECT_EQ(ftp, 9);
  Release(t);
}

TEST_F(TransactionTest, FailingRouteEndsWith11AndIsStillDeleted) {
  test::SetEnvironment("NICSUITE_ROUTE_MODE", "fail");
  NicTransaction* t = Finish(StartNicRead(test::kSilent.ip, test::kSilent.mac, nullptr, true, 200));
  EXPECT_EQ(GetEndCode(t).endCode, kCommandFailed);
  EXPECT_EQ(log.Lines(), (Lines{"route add 127.0.1.6 127.0.0.1", "route delete 127.0.1.6"}));
  Release(t);
}

TEST_F(TransactionTest, HangingArpIsEndedAfterTheLimit) {
  test::SetEnvironment("NICSUITE_ARP_MODE", "hang");
  const std::uint32_t start = platform::TickCount();
  NicTransaction* t = Finish(StartNicRead(test::kSilent.ip, test::kSilent.mac, nullptr, true, 200));
  EXPECT_EQ(GetEndCode(t).endCode, kCommandFailed);
  EXPECT_GE(platform::TicksSince(start), 1000u);  // the limit, for arp -s and again for arp -d
  EXPECT_EQ(log.Lines(), (Lines{"route add 127.0.1.6 127.0.0.1",
                                "arp -s 127.0.1.6 00-80-87-01-00-06 127.0.0.1",
                                "route delete 127.0.1.6", "arp -d 127.0.1.6"}));
  Release(t);
}

// Addresses and MACs come from user input and the printer list, and go into
// command lines: anything but plain dotted and six-pair texts stops the
// transaction before a command runs.
TEST_F(TransactionTest, TextsThatAreNotPlainAddressesRunNoCommand) {
  const std::pair<const char*, const char*> unsafe[] = {
      {"127.0.1.6 & del x", test::kSilent.mac},
      {"127.0.1.6", "00:80:87:01:00:06 & del x"},
      {"127.0.1.6", "0:80:87:1:0:6"},
      {"127.0.1.06", test::kSilent.mac},
  };
  for (const auto& [ip, mac] : unsafe) {
    auto request = std::make_unique<TransactionBlock>();
    request->attrReplied = 1;
    NicTransaction* t = Finish(StartNicWrite(ip, mac, request.get(), nullptr, 200, true));
    EXPECT_EQ(GetEndCode(t).endCode, kCommandNotStarted) << ip << " " << mac;
    Release(t);
  }
  SetLocalAddress("");
  auto request = std::make_unique<TransactionBlock>();
  request->attrReplied = 1;
  NicTransaction* t = Finish(StartNicWrite(test::kSilent.ip, test::kSilent.mac, request.get(), nullptr, 200, true));
  EXPECT_EQ(GetEndCode(t).endCode, kCommandNotStarted);
  Release(t);
  EXPECT_EQ(log.Lines(), Lines{});
}

TEST_F(TransactionTest, WithoutAdministratorRightsNothingRuns) {
  administrator = false;
  NicTransaction* t = Finish(StartNicRead(kUnknownNicAddress, test::kSilent.mac, nullptr, true, 200));
  EXPECT_EQ(GetEndCode(t).endCode, kNotAdministrator);
  EXPECT_EQ(log.Lines(), Lines{});
  Release(t);
}

#ifndef _WIN32
TEST_F(TransactionTest, RouteThatCannotBeStartedEndsWith10) {
  const std::string path = std::getenv("PATH");
  test::SetEnvironment("PATH", "/nonexistent");
  NicTransaction* t = Finish(StartNicRead(test::kSilent.ip, test::kSilent.mac, nullptr, true, 200));
  test::SetEnvironment("PATH", path.c_str());
  EXPECT_EQ(GetEndCode(t).endCode, kCommandNotStarted);
  Release(t);
}
#endif

}  // namespace
}  // namespace nic
