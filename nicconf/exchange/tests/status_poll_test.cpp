#include "nicconf/exchange/status_poll.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "nicconf/exchange/tests/exchange_test_support.h"
#include "nicproto/status_interpretation.h"

namespace nic {
namespace {

using test::ExchangeTest;
using test::Record;

StatusMessage Interpret(const PolledPrinter& p) {
  const PrinterPictureInfo& i = p.info;
  return InterpretStatus({i.attrReceived, static_cast<std::uint32_t>(i.printActivity | (i.portStatus << 8)),
                          i.statusReceived, i.extStatusValid, i.extAlarmBits, i.advInfoValid,
                          i.advAlarmBits, i.paperSource},
                         i.family);
}

TEST(PollMatching, SameIpCountAndInitialState) {
  const PrinterRecord list[] = {Record(test::kSharedA), Record(test::kReady),
                                Record(test::kSharedB)};
  StatusPoll poll(list, 0);
  const auto& p = poll.printers();
  EXPECT_EQ(p[0].sameIpCount, 2u);
  EXPECT_EQ(p[1].sameIpCount, 1u);
  EXPECT_EQ(p[2].sameIpCount, 2u);
  EXPECT_EQ(p[1].info.family, -1);
  EXPECT_EQ(p[1].info.paperSource, 255);
  EXPECT_EQ(p[1].endCode, kPending);
}

TEST_F(ExchangeTest, PollInterpretsEveryPrinterState) {
  const PrinterRecord list[] = {Record(test::kReady), Record(test::kPrinting),
                                Record(test::kTonerLow), Record(test::kHopper2Empty),
                                Record(test::kCoverOpen)};
  StatusPoll* poll = StartStatusPoll(list, 1000);
  ASSERT_NE(poll, nullptr);
  WaitFinished(poll);
  const auto& p = poll->printers();
  const char* titles[] = {"プリンタレディ", "印刷中", "レディ(トナー残少)", "ホッパ２用紙無し",
                          "カバーオープン"};
  for (std::size_t i = 0; i < p.size(); ++i) {
    SCOPED_TRACE(p[i].ip);
    EXPECT_EQ(p[i].endCode, kFinished);
    EXPECT_EQ(p[i].info.attrReceived, 1u);
    EXPECT_EQ(p[i].info.statusReceived, 1u);
    EXPECT_STREQ(Interpret(p[i]).title, titles[i]);
  }
  EXPECT_EQ(p[3].info.family, 1);
  EXPECT_EQ(p[3].info.paperSource, 2);
  EXPECT_EQ(p[3].info.portStatus, 2);
  EXPECT_STREQ(p[0].nicStatus, "1.00a");
  EXPECT_EQ(p[0].info.pictureFlags[0], 1u);  // nicsim installs its first two paper sources
  EXPECT_EQ(p[0].info.pictureFlags[2], 0u);
  Release(poll);
}

TEST_F(ExchangeTest, TwoEntriesAtOneAddressAreAnsweredByMacButGetNoStatus) {
  const PrinterRecord list[] = {Record(test::kSharedA), Record(test::kSharedB)};
  StatusPoll* poll = StartStatusPoll(list, 1000);
  ASSERT_NE(poll, nullptr);
  WaitFinished(poll);
  for (const PolledPrinter& p : poll->printers()) {
    EXPECT_EQ(p.info.attrReceived, 1u) << p.mac;
    EXPECT_EQ(p.info.statusReceived, 0u) << p.mac;
    EXPECT_EQ(p.endCode, kFinished);
  }
  Release(poll);
}

TEST_F(ExchangeTest, AnAddressNoDatagramCanReachLeavesTheOthersPolled) {
  PrinterRecord unusable = Record(test::kSilent);
  std::strcpy(unusable.ip, "127.000.021.009");
  const PrinterRecord list[] = {unusable, Record(test::kReady)};
  StatusPoll* poll = StartStatusPoll(list, 300);
  ASSERT_NE(poll, nullptr);
  WaitFinished(poll);
  EXPECT_EQ(poll->printers()[0].endCode, kTimedOut);
  EXPECT_EQ(poll->printers()[1].endCode, kFinished);
  EXPECT_EQ(poll->printers()[1].info.attrReceived, 1u);
  Release(poll);
}

TEST_F(ExchangeTest, NicWithoutStatusDatagramWaits200MsMore) {
  const PrinterRecord list[] = {Record(test::kNoStatus)};
  const std::uint32_t start = platform::TickCount();
  StatusPoll* poll = StartStatusPoll(list, 3000);
  ASSERT_NE(poll, nullptr);
  WaitFinished(poll);
  const std::uint32_t elapsed = platform::TicksSince(start);
  const PolledPrinter& p = poll->printers()[0];
  EXPECT_EQ(p.endCode, kFinished);
  EXPECT_EQ(p.info.attrReceived, 1u);
  EXPECT_EQ(p.info.statusReceived, 0u);
  EXPECT_GE(elapsed, 200u);
  EXPECT_LT(elapsed, 1500u);
  Release(poll);
}

TEST_F(ExchangeTest, SilentPrinterEndsWithTimeOutAfterTheSecondPass) {
  const PrinterRecord list[] = {Record(test::kReady), Record(test::kSilent)};
  const std::uint32_t start = platform::TickCount();
  StatusPoll* poll = StartStatusPoll(list, 300);
  ASSERT_NE(poll, nullptr);
  WaitFinished(poll);
  const std::uint32_t elapsed = platform::TicksSince(start);
  EXPECT_EQ(poll->printers()[0].endCode, kFinished);
  EXPECT_EQ(poll->printers()[1].endCode, kTimedOut);
  EXPECT_EQ(poll->printers()[1].info.attrReceived, 0u);
  EXPECT_STREQ(Interpret(poll->printers()[1]).stateTag, "<STATE_NO_RESPONSE>");
  EXPECT_GE(elapsed, 600u);  // two waits of the time-out
  EXPECT_LT(elapsed, 3000u);
  Release(poll);
}

TEST_F(ExchangeTest, GetPolledPrinterFindsByAddressValueAndMac) {
  const PrinterRecord list[] = {Record(test::kReady)};
  StatusPoll* poll = StartStatusPoll(list, 1000);
  ASSERT_NE(poll, nullptr);
  WaitFinished(poll);
  PrinterPictureInfo info{};
  char nicStatus[6] = "xxxxx";
  EXPECT_TRUE(GetPolledPrinter(poll, "127.0.1.02", "00:80:87:01:00:02", info, nicStatus));
  EXPECT_STREQ(info.model, "LP-9800C");
  EXPECT_STREQ(nicStatus, "1.00a");
  EXPECT_TRUE(GetPolledPrinter(poll, test::kReady.ip, "00-80-87-01-00-02", info, nicStatus));
  EXPECT_FALSE(GetPolledPrinter(poll, test::kReady.ip, test::kPrinting.mac, info, nicStatus));
  EXPECT_FALSE(GetPolledPrinter(poll, test::kPrinting.ip, test::kReady.mac, info, nicStatus));
  Release(poll);
}

}  // namespace
}  // namespace nic
