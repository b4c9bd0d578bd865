// Narrow literals must reach run time as Shift_JIS on both toolchains: the
// ANSI side of Windows and every stored text of the system use it.
#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ShiftJisLiteral, JapaneseTextIsEncodedAsShiftJis) {
  const char text[] = "情報";
  ASSERT_EQ(sizeof text, 5u);
  EXPECT_EQ(std::memcmp(text, "\x8F\xEE\x95\xF1", 4), 0);
}

TEST(ShiftJisLiteral, TrailByteThatLooksLikeBackslashSurvives) {
  const char text[] = "ソ表";
  ASSERT_EQ(sizeof text, 5u);
  EXPECT_EQ(std::memcmp(text, "\x83\x5C\x95\x5C", 4), 0);
}

}  // namespace
