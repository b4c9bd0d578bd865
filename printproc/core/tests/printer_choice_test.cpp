// Choosing a pool member: the dispatch modes, the rounds and their waits,
// ties, and the member that never wins.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/seam.h"
#include "printproc/core/printer_choice.h"
#include "printproc/testing/status_blocks.h"

namespace printproc {
namespace {

using test::FakeMember;
using test::Words;

constexpr JobHeader kFullHeader{1, 0, -1, 0};  // memory, duplex and paper all given...
constexpr JobHeader kScoredJob{1, 0, 9, 0};    // ...this one is

class ChoiceTest : public ::testing::Test {
 protected:
  std::optional<std::size_t> Choose(const JobHeader& job) {
    return ChooseMember(job, priorities, settings,
                        {this, Through<&ChoiceTest::ReadItem>, Through<&ChoiceTest::Wait>});
  }
  void ReadItem(std::size_t member, const char* item, std::span<std::uint8_t> into) {
    members[member].Read(item, into);
  }
  bool Wait(std::uint32_t ms) {
    waits.push_back(ms);
    if (onWait) onWait();
    return waits.size() < cancelAfterWaits;
  }
  void Online(std::size_t member) { members[member].items["CurrentStatus"] = Words({0, 0, 1}); }
  void Unusable(std::size_t member) { members[member].items["PrinterExtStatus"] = Words({8}); }
  int Reads() const {
    int reads = 0;
    for (const FakeMember& member : members) reads += member.reads;
    return reads;
  }

  std::vector<FakeMember> members = std::vector<FakeMember>(3);
  std::vector<std::uint32_t> priorities = {1, 2, 3};
  DispatchSettings settings{BuiltInScoreTables(), 2000, 4};
  std::vector<std::uint32_t> waits;
  std::size_t cancelAfterWaits = 1000;
  std::function<void()> onWait;
};

TEST_F(ChoiceTest, ModesWithoutScoringAskNothing) {
  Online(2);
  EXPECT_EQ(Choose({0}), 0u);
  EXPECT_EQ(Choose({4}), 0u);
  EXPECT_EQ(Choose({2}), std::nullopt);
  EXPECT_EQ(Choose({6}), std::nullopt);
  // Mode 1 scores only when memory, duplex and paper were all given.
  EXPECT_EQ(Choose({1}), 0u);
  EXPECT_EQ(Choose(kFullHeader), 0u);
  EXPECT_EQ(Reads(), 0);
  EXPECT_TRUE(waits.empty());
}

TEST_F(ChoiceTest, AMemberAboveZeroEndsTheSearchAtOnce) {
  members[1].items["PrinterBinConfig"] = test::Bins({{1, 9, 10}});
  members[2].items["PrinterBinConfig"] = test::Bins({{1, 9, 10}});
  Online(2);
  EXPECT_EQ(Choose(kScoredJob), 2u);
  EXPECT_EQ(Choose({3, 0, 9, 0}), 2u);  // bit 0x1 wins over 0x2
  EXPECT_TRUE(waits.empty());
}

TEST_F(ChoiceTest, RoundsWaitUntilAMemberComesOnline) {
  members[1].items["PrinterBinConfig"] = test::Bins({{1, 9, 10}});
  onWait = [this] {
    if (waits.size() == 2) Online(1);
  };
  EXPECT_EQ(Choose(kScoredJob), 1u);
  EXPECT_EQ(waits, (std::vector<std::uint32_t>{2000, 2000}));
}

TEST_F(ChoiceTest, AfterTheLastRoundItsBestIsTakenWithoutAFurtherWait) {
  members[0].items["SpoolerQueue"] = Words({1});
  members[1].items["PrinterQueue"] = Words({2});
  members[2].items["PrinterQueue"] = Words({1});
  EXPECT_EQ(Choose(kScoredJob), 2u);  // -949 - 5 beats -949 - 10 and -949 - 1000
  EXPECT_EQ(waits.size(), 3u);
  settings.rounds = 0;
  EXPECT_EQ(Choose(kScoredJob), 0u);
}

TEST_F(ChoiceTest, ACancelWhileWaitingLeavesNoPrinter) {
  cancelAfterWaits = 1;
  EXPECT_EQ(Choose(kScoredJob), std::nullopt);
  EXPECT_EQ(waits.size(), 1u);
}

TEST_F(ChoiceTest, TiesGoToTheLowerPriorityNumberThenTheEarlierMember) {
  priorities = {5, 3, 3};
  EXPECT_EQ(Choose(kScoredJob), 1u);
  for (std::size_t member : {0, 1, 2}) Online(member);
  EXPECT_EQ(Choose(kScoredJob), 1u);
  EXPECT_EQ(BestMember(std::vector<std::int32_t>{4, 4, 4}, std::vector<std::uint32_t>{2, 2, 2}), 0u);
}

TEST_F(ChoiceTest, AnUnusableMemberNeverWins) {
  Unusable(0);
  Online(0);
  members[1].items["CurrentStatus"] = Words({0, 0x1F80, 0, 1, 0, 1});
  members[2].items["CurrentStatus"] = Words({0, 0x1F80, 0, 1, 0, 1});
  members[2].items["PrinterQueue"] = Words({0xFFFFFFFF});
  priorities = {0, 9, 9};
  EXPECT_EQ(Choose(kScoredJob), 1u);
  EXPECT_EQ(BestMember(std::vector<std::int32_t>{kUnusableScore, kUnusableScore + 1},
                       std::vector<std::uint32_t>{0, 9}),
            1u);
}

}  // namespace
}  // namespace printproc
