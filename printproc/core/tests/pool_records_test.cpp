// The pool as the registry lists it, the record for the status manager, and
// the tries at opening a printer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "printproc/core/dispatch_job_info.h"
#include "printproc/core/pool_list.h"
#include "printproc/core/retry.h"
#include "printproc/testing/status_blocks.h"

namespace printproc {
namespace {

Bytes AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(PoolListTest, NamesEndAtTheEmptyOneOrTheValuesEnd) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(SplitPrinterNames(AsBytes(std::string("A\0B b\0\0C\0", 9))), (Names{"A", "B b"}));
  EXPECT_EQ(SplitPrinterNames(AsBytes(std::string("A\0B", 3))), (Names{"A", "B"}));
  EXPECT_EQ(SplitPrinterNames(AsBytes(std::string("\0A\0", 3))), Names{});
  EXPECT_EQ(SplitPrinterNames({}), Names{});
}

TEST(PoolListTest, PrioritiesFallBackToThePosition) {
  const test::Block priorities = test::Words({7, 0});
  EXPECT_EQ(PriorityAt(priorities, 0), 7u);
  EXPECT_EQ(PriorityAt(priorities, 1), 0u);
  EXPECT_EQ(PriorityAt(priorities, 2), 3u);
  EXPECT_EQ(PriorityAt(Bytes(priorities).first(7), 1), 2u);
}

TEST(DispatchJobInfoTest, TextsAreCutToTheirFieldsBetweenCharacters) {
  const std::string longName(300, 'p');
  const DispatchJobInfo info = MakeDispatchJobInfo(42, longName.c_str(), "Report", nullptr);
  EXPECT_EQ(info.startResult, 42u);
  EXPECT_EQ(std::string(info.printer), longName.substr(0, 259));
  EXPECT_STREQ(info.document, "Report");
  EXPECT_STREQ(info.user, "");

  // 30 ASCII bytes and a two-byte character: the character does not fit.
  const std::string user = std::string(30, 'u') + "\x83\x5C";
  EXPECT_EQ(std::string(MakeDispatchJobInfo(0, "", "", user.c_str()).user), std::string(30, 'u'));
  const std::string fits = std::string(29, 'u') + "\x83\x5C";
  EXPECT_EQ(std::string(MakeDispatchJobInfo(0, "", "", fits.c_str()).user), fits);
}

TEST(RetryTest, TriesUntilSuccessTheTriesRunOutOrACancel) {
  std::vector<std::uint32_t> waits;
  int attempts = 0;
  auto wait = [&](std::uint32_t ms) {
    waits.push_back(ms);
    return waits.size() < 5;
  };
  EXPECT_TRUE(TryRepeatedly({10, 300}, wait, [&] { return ++attempts == 3; }));
  EXPECT_EQ(waits, (std::vector<std::uint32_t>{300, 300}));
  attempts = 0;
  waits.clear();
  EXPECT_FALSE(TryRepeatedly({3, 1000}, wait, [&] { return ++attempts > 5; }));
  EXPECT_EQ(attempts, 3);
  EXPECT_EQ(waits.size(), 2u);
  attempts = 0;
  waits.clear();
  EXPECT_FALSE(TryRepeatedly(kQueueOpenRetries, wait, [&] { return ++attempts > 50; }));
  EXPECT_EQ(attempts, 5);  // the fifth wait reported a cancel
}

}  // namespace
}  // namespace printproc
