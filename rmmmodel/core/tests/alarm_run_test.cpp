#include "rmmmodel/core/alarm_run.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/dav_registry.h"
#include "rmmmodel/core/tests/fake_host.h"

namespace rmmmodel::test {
namespace {

constexpr std::uint32_t kOnline = 0x1;
constexpr std::uint32_t kTonerOut = 0x2;
constexpr std::uint64_t kWeek = 6048000000000;  // 100-ns units
using Writes = std::vector<std::string>;

class AlarmRunTest : public ::testing::Test {
 protected:
  AlarmRunTest() {
    std::strcpy(context.printerName, "PRN1");
    context.status = &status;
  }

  // One call, then what holds for every call: a handle that opened is closed
  // exactly once and not left in the context.
  int Run() {
    const int opensBefore = fake.opens;
    const std::size_t closesBefore = fake.closed.size();
    const int result = RunAlarmChecks(context, context.printerName, fake.host());
    EXPECT_EQ(fake.closed.size() - closesBefore, static_cast<std::size_t>(fake.opens - opensBefore));
    if (fake.opens > opensBefore) {
      EXPECT_EQ(fake.closed.back(), fake.handle);
    }
    EXPECT_EQ(context.managerHandle, nullptr);
    return result;
  }

  void Want(std::uint32_t mails) { fake.dwords[dav::kCheckMail] = mails; }
  void State(std::uint32_t state, std::uint32_t detail = 0) {
    fake.status = DavPrinterStatus{{0, detail, state}};
  }
  std::uint32_t Sent() { return fake.dwords.at(dav::kMailsSent); }

  FakeHost fake;
  DavPrinterStatus status{};
  DavAgentContext context{};
};

TEST_F(AlarmRunTest, MonitoringSwitchStopsBeforeTheStatusManagerOnlyWhenSetAndNotOne) {
  for (const std::uint32_t off : {0u, 2u}) {
    fake.dwords[dav::kPrinterEligible] = off;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake.openedFor, "");
  }
  fake.dwords[dav::kPrinterEligible] = 1;
  EXPECT_EQ(Run(), 1);
  fake.dwords.erase(dav::kPrinterEligible);
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(fake.opens, 2);
  EXPECT_EQ(fake.openedFor, "PRN1");
  EXPECT_EQ(fake.openMode, 10u);
}

TEST_F(AlarmRunTest, NoMemoryForTheKeyNameLogsAndStops) {
  fake.key = SettingsKey::NoMemory;
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(fake.logged, std::vector<std::string>{kNoMemoryMessage});
  EXPECT_EQ(fake.opens, 0);
}

TEST_F(AlarmRunTest, MissingKeyStillOpensTheManagerButChecksNothing) {
  fake.key = SettingsKey::Missing;
  State(kOnline | kTonerOut);
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(fake.opens, 1);
  EXPECT_TRUE(fake.writes.empty());
  EXPECT_TRUE(fake.logged.empty());
}

TEST_F(AlarmRunTest, FailedOpenOrNoHandleEndsQuietlyWithoutAClose) {
  fake.openResult = 5;
  context.managerHandle = &context;  // left over from another call
  EXPECT_EQ(Run(), 1);
  fake.openResult = 0;
  fake.handle = nullptr;
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(fake.closed.empty());
  EXPECT_TRUE(fake.writes.empty());
}

TEST_F(AlarmRunTest, GoesOnOnlyForOnlineOrBothWatchedBits) {
  for (const std::uint32_t state : {0x1000u, 0x20000u, 0u}) {
    State(state);
    Run();
  }
  fake.status.reset();
  Run();
  EXPECT_TRUE(fake.writes.empty());
  for (const std::uint32_t state : {0x1u, 0x21000u}) {
    fake.dwords.erase(dav::kMailsSent);
    State(state);
    Run();
  }
  EXPECT_EQ(fake.writes, (Writes{dav::kMailsSent, dav::kMailsSent}));
}

TEST_F(AlarmRunTest, SentFlagsAreCreatedAsZeroEvenWithNoMailWanted) {
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Sent(), 0u);
  fake.dwords[dav::kMailsSent] = 0x10;
  Run();
  EXPECT_EQ(fake.writes, Writes{dav::kMailsSent});  // an existing value is kept

  // When the flags cannot be created, nothing is mailed.
  fake.dwords.erase(dav::kMailsSent);
  fake.failingWrites.insert(dav::kMailsSent);
  Want(0x11);
  State(kOnline | kTonerOut);
  fake.pageCount = 200000;
  EXPECT_EQ(Run(), 1);
  EXPECT_TRUE(fake.mails.empty());
}

TEST_F(AlarmRunTest, TonerOutForThreePollsMailsOnceAndMovesTheGateAWeek) {
  Want(0x01);
  fake.texts = {{dav::kTonerTo, "a@x.test"}, {dav::kTonerCc, "c@x.test"}};
  State(kOnline | kTonerOut);
  for (int poll = 0; poll < 3; ++poll) {
    EXPECT_EQ(Run(), 1);
    fake.now += 10000000;  // ten seconds between polls
  }
  ASSERT_EQ(fake.mails.size(), 1u);
  EXPECT_EQ(fake.mails[0].printer, "PRN1");
  EXPECT_EQ(fake.mails[0].kind, 1);
  EXPECT_STREQ(fake.mails[0].request.to, "a@x.test");
  EXPECT_STREQ(fake.mails[0].request.summary, "ＥＰカートリッジ交換");
  EXPECT_EQ(Sent(), 0x01u);
  EXPECT_EQ(fake.times.at(dav::kNextTonerMail), 125000000000000000 + kWeek);
  EXPECT_EQ(fake.pauses, std::vector<std::uint32_t>{60000});
}

TEST_F(AlarmRunTest, EachTonerOutBitCountsAndTheGateHoldsTheStartToTheMillisecond) {
  Want(0x01);
  fake.now = 125000000001234567;
  for (const std::uint32_t bit : {0x2u, 0x4000u, 0x20000u}) {
    fake.dwords[dav::kMailsSent] = 0;
    fake.times.clear();
    State(kOnline | bit);
    Run();
    EXPECT_EQ(fake.times.at(dav::kNextTonerMail), 125006048001230000u) << bit;
  }
  EXPECT_EQ(fake.mails.size(), 3u);
}

TEST_F(AlarmRunTest, RearmedTonerWaitsForTheWeekToPass) {
  Want(0x01);
  fake.dwords[dav::kMailsSent] = 0;
  State(kOnline | kTonerOut);
  Run();
  State(kOnline);
  Run();
  Run();  // written again though nothing changed
  EXPECT_EQ(Sent(), 0u);
  EXPECT_EQ(fake.writes, (Writes{dav::kMailsSent, dav::kNextTonerMail, dav::kMailsSent,
                                 dav::kMailsSent}));
  State(kOnline | kTonerOut);
  fake.now += kWeek;  // exactly at the gate: still closed
  Run();
  EXPECT_EQ(fake.mails.size(), 1u);
  EXPECT_EQ(Sent(), 0u);
  fake.now += 1;
  Run();
  EXPECT_EQ(fake.mails.size(), 2u);
  EXPECT_EQ(Sent(), 0x01u);
}

TEST_F(AlarmRunTest, MaintenanceOnlyNeverTouchesTheTonerFlag) {
  Want(0x10);
  for (const std::uint32_t sent : {0x00u, 0x01u}) {
    fake.dwords[dav::kMailsSent] = sent;
    for (const std::uint32_t state : {kOnline, kOnline | kTonerOut}) {
      State(state);
      Run();
      EXPECT_EQ(Sent(), sent);
    }
  }
  EXPECT_TRUE(fake.mails.empty());
  EXPECT_TRUE(fake.writes.empty());
}

TEST_F(AlarmRunTest, MailThatDoesNotCountLeavesTheFlagButStillPauses) {
  Want(0x01);
  State(kOnline | kTonerOut);
  fake.mailCounts = false;
  Run();
  Run();
  EXPECT_EQ(fake.mails.size(), 2u);
  EXPECT_EQ(Sent(), 0u);
  EXPECT_TRUE(fake.times.empty());
  EXPECT_EQ(fake.pauses.size(), 2u);
}

// Each failed write ends the call at once: no pause, no further alarm.
TEST_F(AlarmRunTest, FailedWritesEndTheCall) {
  struct Case {
    std::uint32_t wanted, sent, state;
    const char* failing;
    int result;
    std::size_t mails;
  };
  const Case cases[] = {
      {0x11, 0x00, kOnline | kTonerOut, dav::kMailsSent, 0, 1},      // flags after the toner mail
      {0x11, 0x00, kOnline | kTonerOut, dav::kNextTonerMail, 1, 1},  // the week's gate
      {0x11, 0x01, kOnline, dav::kMailsSent, 1, 0},                  // re-arming
      {0x10, 0x00, kOnline, dav::kMailsSent, 1, 1},                  // flags after maintenance
  };
  fake.pageCount = 150000;
  for (const Case& c : cases) {
    fake.mails.clear();
    Want(c.wanted);
    fake.dwords[dav::kMailsSent] = c.sent;
    State(c.state);
    fake.failingWrites = {c.failing};
    EXPECT_EQ(Run(), c.result) << c.failing;
    EXPECT_EQ(fake.mails.size(), c.mails) << c.failing;
  }
  EXPECT_TRUE(fake.pauses.empty());
  EXPECT_TRUE(fake.times.empty());
}

TEST_F(AlarmRunTest, MaintenanceIsDueFrom150000AndNeverForAnUnknownCount) {
  Want(0x10);
  for (const std::uint32_t count : {149999u, 0xFFFFFFFFu, 150000u, 0xFFFFFFFEu}) {
    fake.dwords[dav::kMailsSent] = 0;
    fake.pageCount = count;
    Run();
  }
  ASSERT_EQ(fake.mails.size(), 2u);
  EXPECT_EQ(fake.mails[0].kind, 150000 | 0x10);
  EXPECT_EQ(static_cast<std::uint32_t>(fake.mails[1].kind), 0xFFFFFFFEu);
  EXPECT_STREQ(fake.mails[0].request.alarm, "77 テイキホシュ");
  EXPECT_EQ(Sent(), 0x10u);
  EXPECT_EQ(fake.pauses.size(), 2u);
  Run();  // already mailed
  EXPECT_EQ(fake.mails.size(), 2u);
}

TEST_F(AlarmRunTest, MaintenanceWaitsForATrustedStateAndACount) {
  Want(0x10);
  fake.pageCount = 150000;
  for (const auto& [state, detail] : {std::pair{kOnline | 0x4u, 0u}, {kOnline | 0x4000000u, 0u},
                                      {kOnline, 0x80u}, {kOnline, 0x100u}}) {
    State(state, detail);
    Run();
  }
  State(kOnline);
  fake.pageCount.reset();  // the direct entry missing or failing
  Run();
  EXPECT_TRUE(fake.mails.empty());
  // States outside the mask do not stop it.
  State(kOnline | 0x10 | 0x80 | 0x400, 0x7F);
  fake.pageCount = 150000;
  Run();
  EXPECT_EQ(fake.mails.size(), 1u);
}

TEST_F(AlarmRunTest, BothAlarmsInOneCallPauseAfterEach) {
  Want(0x11);
  fake.pageCount = 300000;
  State(kOnline | kTonerOut);
  EXPECT_EQ(Run(), 1);
  ASSERT_EQ(fake.mails.size(), 2u);
  EXPECT_EQ(fake.mails[0].kind, 1);
  EXPECT_EQ(fake.mails[1].kind, 300016);  // 300000 with bit 0x10 set
  EXPECT_EQ(Sent(), 0x11u);
  EXPECT_EQ(fake.pauses, (std::vector<std::uint32_t>{60000, 60000}));
}

}  // namespace
}  // namespace rmmmodel::test
