// Scores as the tables and the job header make them.
#include <gtest/gtest.h>

#include "common/seam.h"
#include "printproc/core/member_score.h"
#include "printproc/testing/status_blocks.h"

namespace printproc {
namespace {

using test::Bins;
using test::Block;
using test::FakeMember;
using test::Options;
using test::TableEntry;
using test::Words;

std::int32_t Score(FakeMember& member, const JobHeader& job = {},
                   const ScoreTables& tables = BuiltInScoreTables()) {
  return ScoreMember(tables, job, {&member, Through<&FakeMember::Read>});
}

Block Concat(std::initializer_list<Block> blocks) {
  Block all;
  for (const Block& block : blocks) all.insert(all.end(), block.begin(), block.end());
  return all;
}

TEST(ScoreTablesTest, TheBuiltInTablesAreTheTabledOnes) {
  const ScoreTables tables = BuiltInScoreTables();
  const std::vector<ScoreEntry> expected = {
      {8, 0x1, 1000, 0},       {8, 0x2, -30, 0},        {8, 0x8, -900, 0},
      {8, 0x80, -50, 0},       {8, 0x100, -100, 0},     {8, 0x80204, -500, 0},
      {8, 0x20003C18, 0, 0},   {4, 0x1F80, -1000, 0},   {12, 0x1, -1000, 0},
      {12, 0x2, -50, 0},       {20, 0x1, -1000, 0},     {20, 0x2, -50, 0},
      {20, 0x4, -10, 0},
  };
  EXPECT_EQ(tables.currentStatus, expected);
  EXPECT_EQ(tables.paperSize, (ScorePair{0, -949}));
  EXPECT_EQ(tables.duplex, (ScorePair{0, -1000}));
  EXPECT_EQ(tables.memory, (ScorePair{0, -1000}));
}

TEST(ScoreTablesTest, RegistryTablesReplaceTheBuiltInOnesOnlyAllFourTogether) {
  const Block status = Concat({TableEntry(0, 1, 7, -7), TableEntry(0, 0, 0, 0), Block(5, 0xEE)});
  const Block pair = Concat({TableEntry(0, 1, 3, -3), TableEntry(0, 0, 0, 0)});
  StoredScoreTables stored{status, pair, pair, pair};
  const ScoreTables read = ChooseScoreTables(stored);
  EXPECT_EQ(read.currentStatus, (std::vector<ScoreEntry>{{0, 1, 7, -7}}));
  EXPECT_EQ(read.memory, (ScorePair{3, -3}));

  const Block unended = TableEntry(0, 1, 7, -7);
  const Block empty = TableEntry(0, 0, 0, 0);
  const Block cut(11, 1);
  for (StoredScoreTables partial : {StoredScoreTables{status, pair, pair, std::nullopt},
                                    StoredScoreTables{unended, pair, pair, pair},
                                    StoredScoreTables{status, pair, empty, pair},
                                    StoredScoreTables{status, cut, pair, pair}}) {
    EXPECT_EQ(ChooseScoreTables(partial), BuiltInScoreTables());
  }
}

TEST(MemberScoreTest, StatusWordsAddUpThroughTheTable) {
  FakeMember member;
  EXPECT_EQ(Score(member), 0);
  member.items["CurrentStatus"] = Words({0, 0x80, 0x1 | 0x2 | 0x100, 0x2, 0, 0x4});
  EXPECT_EQ(Score(member), -1000 + 1000 - 30 - 100 - 50 - 10);
  // An entry pointing past the 24-byte item is passed over.
  ScoreTables tables = BuiltInScoreTables();
  tables.currentStatus = {{21, 0xFFFFFFFF, -5000, -5000}, {20, 0x4, 1, 0}};
  EXPECT_EQ(Score(member, {}, tables), 1);
}

TEST(MemberScoreTest, AnUnusableMemberScoresLowestAndNoSumReachesIt) {
  FakeMember unusable;
  unusable.items["PrinterExtStatus"] = Words({0x8 | 0x1});
  unusable.items["CurrentStatus"] = Words({0, 0, 0x1});
  EXPECT_EQ(Score(unusable), kUnusableScore);

  FakeMember crowded;
  crowded.items["PrinterQueue"] = Words({0xFFFFFFFF});
  EXPECT_EQ(Score(crowded), kUnusableScore + 1);
}

TEST(MemberScoreTest, MemoryPaperAndDuplexAgainstTheHeader) {
  FakeMember member;
  member.items["PrinterMemory"] = Words({16});
  member.items["PrinterBinConfig"] = Bins({{1, 9, 50}, {2001, 0, 254}});
  member.items["PrinterOptConfig"] = Options({0, 1});
  EXPECT_EQ(Score(member, {1, -1, -1, 16}), 0);
  EXPECT_EQ(Score(member, {1, -1, -1, 17}), -1000);
  EXPECT_EQ(Score(member, {1, 1, 9, -1}), 0);
  EXPECT_EQ(Score(member, {1, 0, 43, -1}), 0);
  EXPECT_EQ(Score(member, {1, -1, 10, -1}), -949);

  member.items["PrinterOptConfig"] = Options({0, 2});
  EXPECT_EQ(Score(member, {1, 0, -1, -1}), 0);
  EXPECT_EQ(Score(member, {1, 2, -1, -1}), -1000);
}

TEST(MemberScoreTest, PaperIsReadOnlyFromBinsThatHoldIt) {
  EXPECT_TRUE(PaperAvailable(Bins({{1, 9, 1}}), 9));
  EXPECT_TRUE(PaperAvailable(Bins({{1, 9, 254}}), 9));
  EXPECT_FALSE(PaperAvailable(Bins({{1, 9, 0}}), 9));
  EXPECT_FALSE(PaperAvailable(Bins({{1, 9, 101}}), 9));
  EXPECT_FALSE(PaperAvailable(Bins({{2001, 9, 50}}), 9));
  EXPECT_FALSE(PaperAvailable(Bins({{2001, 0, 1}}), 256));
  EXPECT_TRUE(PaperAvailable(Bins({{2001, 0, 254}}), 91));
  // The count may claim more entries than the item holds.
  Block claimed = Bins({{1, 9, 1}});
  claimed[0] = 0xFF;
  claimed[3] = 0xFF;
  EXPECT_TRUE(PaperAvailable(claimed, 9));
  EXPECT_FALSE(PaperAvailable(claimed, 10));
  Block uncounted = Bins({{1, 9, 1}});
  uncounted[0] = 0;
  EXPECT_FALSE(PaperAvailable(uncounted, 9));
}

TEST(MemberScoreTest, WaitingJobsCostTheirShare) {
  FakeMember member;
  member.items["SpoolerQueue"] = Words({2});
  member.items["PrinterQueue"] = Words({3});
  EXPECT_EQ(Score(member), -1000 - 15);
}

}  // namespace
}  // namespace printproc
