#include "nicconf/wizard/core/page_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "nicconf/exchange/network.h"
#include "platform/tick.h"

namespace nic {
namespace {

std::vector<std::string> Names(const std::vector<PrinterRecord>& records) {
  std::vector<std::string> names;
  for (const PrinterRecord& r : records) names.push_back(r.name);
  return names;
}

class PageSearch : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(StartNetwork()); }
  void TearDown() override { StopNetwork(); }

  // Polled every 200 ms, as the page's timer does.
  static void WaitFinished(const TcpIpPageSearch& search) {
    const std::uint32_t start = platform::TickCount();
    while (!search.Finished() && platform::TicksSince(start) < 10000) platform::SleepMs(200);
    ASSERT_TRUE(search.Finished());
  }
};

// The range wraps past 254; another maker's NIC and a listed one are left
// out, and so is the NIC outside the range.
TEST_F(PageSearch, ARangeKeepsThePrintersOfThisMakerNotListedYet) {
  TcpIpPageSearch search;
  ASSERT_TRUE(search.StartRange("127.0.24.250", 3, 64, 1000));
  WaitFinished(search);
  PrinterRecord listed{};
  CopyBoundedText(listed.mac, "00:80:87:24:00:fd");
  std::vector<PrinterRecord> kept;
  search.KeepFound({&listed, 1}, kept);
  EXPECT_EQ(Names(kept), (std::vector<std::string>{"HANI-A", "HANI-C"}));
  EXPECT_STREQ(kept[0].ip, "127.0.24.250");
  EXPECT_STREQ(kept[0].protocol, "TCP/IP");
}

TEST_F(PageSearch, AStoppedSearchKeepsNothing) {
  TcpIpPageSearch search;
  ASSERT_TRUE(search.StartRange("127.0.24.250", 3, 64, 3000));
  search.Stop();
  EXPECT_FALSE(search.Started());
  std::vector<PrinterRecord> kept;
  search.KeepFound({}, kept);
  EXPECT_TRUE(kept.empty());
  EXPECT_FALSE(search.StartRange("not an address", 3, 64, 1000));
}

TEST(PageProgress, FillsOverTheSearchTime) {
  EXPECT_EQ(ProgressPercent(0, 1000), 0);
  EXPECT_EQ(ProgressPercent(500, 1000), 50);
  EXPECT_EQ(ProgressPercent(1500, 1000), 100);
  EXPECT_EQ(ProgressPercent(0, 0), 100);
}

}  // namespace
}  // namespace nic
