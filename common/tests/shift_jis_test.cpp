#include "common/shift_jis.h"

#include <gtest/gtest.h>

namespace {

TEST(ShiftJis, ACutNeverSplitsADoubleByteCharacter) {
  const std::string kana = "\x83\x76\x83\x8A";  // two katakana, four bytes
  EXPECT_EQ(CutShiftJis(kana, 4), kana);
  EXPECT_EQ(CutShiftJis(kana, 3), "\x83\x76");
  EXPECT_EQ(CutShiftJis("A" + kana, 2), "A");
  EXPECT_EQ(CutShiftJis(std::string(70, 'X'), 64), std::string(64, 'X'));
  // A lead byte at the very end has no partner and is dropped.
  EXPECT_EQ(CutShiftJis("AB\x83", 10), "AB");
  EXPECT_FALSE(IsShiftJisLeadByte('a'));
  EXPECT_TRUE(IsShiftJisLeadByte(0xE0));
}

}  // namespace
