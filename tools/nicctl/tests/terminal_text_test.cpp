#include "tools/nicctl/terminal_text.h"

#include <gtest/gtest.h>

namespace {

TEST(NicctlTerminalText, PlainAsciiPassesBothWays) {
  std::string sjis;
  ASSERT_TRUE(FromTerminal("PRN-1 O=OFFICE", sjis));
  EXPECT_EQ(sjis, "PRN-1 O=OFFICE");
  EXPECT_EQ(ForTerminal(sjis), "PRN-1 O=OFFICE");
}

#ifndef _WIN32
TEST(NicctlTerminalText, Utf8ToShiftJisAndBack) {
  const std::string typed = "\xE6\x83\x85\xE5\xA0\xB1 \xEF\xBD\xB1 ok";  // 情報, half-width ｱ
  std::string sjis;
  ASSERT_TRUE(FromTerminal(typed, sjis));
  EXPECT_EQ(sjis, "情報 ｱ ok");
  EXPECT_EQ(sjis.size(), 9u);
  EXPECT_EQ(ForTerminal(sjis), typed);
}

TEST(NicctlTerminalText, WhatShiftJisCannotHoldIsRefused) {
  std::string sjis;
  EXPECT_FALSE(FromTerminal("\xF0\x9F\x98\x80", sjis));  // an emoji
  EXPECT_FALSE(FromTerminal("ab\xFF", sjis));            // not UTF-8
  EXPECT_FALSE(FromTerminal("ab\xE6\x83", sjis));        // cut short
}
#endif

}  // namespace
