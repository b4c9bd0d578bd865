#include "alertmail/core/iso2022jp.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace alertmail {
namespace {

std::string Convert(std::string_view text) {
  std::string out = "stale";
  EXPECT_TRUE(ToIso2022Jp(text, 4096, out));
  return out;
}

std::string Jis(std::string_view codes) { return "\x1B$B" + std::string(codes) + "\x1B(B"; }

TEST(Iso2022Jp, DoubleByteCharactersBecomeTheirJisCodes) {
  EXPECT_EQ(Convert("\x81\x9E"), Jis("\x21\x7E"));  // last cell of row 1
  EXPECT_EQ(Convert("\x81\x9F"), Jis("\x22\x21"));  // first cell of row 2
  EXPECT_EQ(Convert("\x81\x40"), Jis("\x21\x21"));
  EXPECT_EQ(Convert("\x81\x7E"), Jis("\x21\x5F"));  // trail bytes skip 0x7F
  EXPECT_EQ(Convert("\x81\x80"), Jis("\x21\x60"));
  EXPECT_EQ(Convert("\x9F\xFC"), Jis("\x5E\x7E"));  // lead bytes jump 0xA0-0xDF
  EXPECT_EQ(Convert("\xE0\x40"), Jis("\x5F\x21"));
  EXPECT_EQ(Convert("\xEA\xA4"), Jis("\x74\x26"));  // last JIS X 0208 character
  EXPECT_EQ(Convert("\x83\x5C"), Jis("\x25\x3D"));  // a trail byte that is '\' in ASCII
}

TEST(Iso2022Jp, SingleByteCharactersAreCopied) {
  const std::string ascii = "Printer 3F: toner low\r\n\x7F";
  EXPECT_EQ(Convert(ascii), ascii);
  const std::string halfWidthKatakana = "\xA0\xA1\xB1\xDE\xDF";
  EXPECT_EQ(Convert(halfWidthKatakana), halfWidthKatakana);
  EXPECT_EQ(Convert(""), "");
}

TEST(Iso2022Jp, EachRunOfDoubleByteCharactersIsEscapedOnce) {
  EXPECT_EQ(Convert("A\x82\xA0\x82\xA2" "B"), "A" + Jis("\x24\x22\x24\x24") + "B");
  EXPECT_EQ(Convert("\x82\xA0 \x82\xA2"), Jis("\x24\x22") + " " + Jis("\x24\x24"));
  EXPECT_EQ(Convert("\x82\xA0\xB1\x82\xA2"), Jis("\x24\x22") + "\xB1" + Jis("\x24\x24"));
  EXPECT_EQ(Convert("\x82\xA0"), Jis("\x24\x22"));  // the run ends with the text
}

TEST(Iso2022Jp, LeadByteWithoutTrailIsDropped) {
  EXPECT_EQ(Convert("A\x82"), "A");
  EXPECT_EQ(Convert("\x82\xA0\x82"), Jis("\x24\x22"));
  EXPECT_EQ(Convert(std::string_view("\x82\xA0", 1)), "");  // the byte after the view is not read
}

TEST(Iso2022Jp, ResultAndTerminatorMustFitTheCapacity) {
  const std::string text = "A\x82\xA0";  // 3 bytes + two escapes: 9, plus the terminator
  const std::string expected = "A" + Jis("\x24\x22");
  std::string out = "stale";
  EXPECT_FALSE(ToIso2022Jp(text, 9, out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(ToIso2022Jp(text, 10, out));
  EXPECT_EQ(out, expected);
  EXPECT_TRUE(ToIso2022Jp(text, 11, out));
  EXPECT_EQ(out, expected);
  EXPECT_FALSE(ToIso2022Jp("", 0, out));
  EXPECT_TRUE(ToIso2022Jp("", 1, out));
}

TEST(Iso2022Jp, TextMayBeAViewIntoTheResult) {
  std::string text = "\x82\xA0";
  EXPECT_TRUE(ToIso2022Jp(text, 200, text));
  EXPECT_EQ(text, Jis("\x24\x22"));
}

}  // namespace
}  // namespace alertmail
