#include "alertmail/core/header_word.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "alertmail/core/iso2022jp.h"

namespace alertmail {
namespace {

// "日本" in ISO-2022-JP and its well-known encoded word.
constexpr std::string_view kNihon = "\x1B$BF|K\\\x1B(B";
constexpr std::string_view kNihonWord = "=?ISO-2022-JP?B?GyRCRnxLXBsoQg==?=";

std::string Encode(std::string_view text) {
  std::string out = "stale";
  EXPECT_TRUE(EncodeHeaderWord(text, 400, out));
  return out;
}

TEST(Base64, PadsToWholeGroupsOfFour) {
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("f"), "Zg==");
  EXPECT_EQ(Base64("fo"), "Zm8=");
  EXPECT_EQ(Base64("foo"), "Zm9v");
  EXPECT_EQ(Base64("foobar"), "Zm9vYmFy");
  EXPECT_EQ(Base64("\xFB\xFF\xBF"), "+/+/");  // high bytes and the last two letters
  EXPECT_EQ(Base64(std::string_view("\0\x10\x83", 3)), "ABCD");
}

TEST(HeaderWord, SingleByteTextIsUnchanged) {
  EXPECT_EQ(Encode("Taro Yamada"), "Taro Yamada");
  EXPECT_EQ(Encode("\xB6\xC0\xB6\xC5"), "\xB6\xC0\xB6\xC5");  // half-width katakana
  EXPECT_EQ(Encode(""), "");
}

TEST(HeaderWord, EachRunBecomesOneEncodedWord) {
  EXPECT_EQ(Encode(kNihon), kNihonWord);
  EXPECT_EQ(Encode("Mr " + std::string(kNihon) + " X"), "Mr " + std::string(kNihonWord) + " X");
  EXPECT_EQ(Encode(std::string(kNihon) + std::string(kNihon)), std::string(kNihonWord) + std::string(kNihonWord));
  EXPECT_EQ(Encode("\x1B$BF|"), "=?ISO-2022-JP?B?GyRCRnw=?=");  // an open run ends with the text
  EXPECT_EQ(Encode("a\x1B(Bb"), "a\x1B(Bb");                     // a lone closing escape is text
}

TEST(HeaderWord, ShiftJisNameThroughBothSteps) {
  std::string converted;
  ASSERT_TRUE(ToIso2022Jp("\x93\xFA\x96\x7B", 200, converted));  // "日本" in Shift_JIS
  EXPECT_EQ(Encode(converted), kNihonWord);
}

TEST(HeaderWord, ResultAndTerminatorMustFitTheCapacity) {
  const std::size_t need = kNihonWord.size() + 1;
  std::string out = "stale";
  EXPECT_FALSE(EncodeHeaderWord(kNihon, need - 1, out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(EncodeHeaderWord(kNihon, need, out));
  EXPECT_EQ(out, kNihonWord);
  EXPECT_TRUE(EncodeHeaderWord(kNihon, need + 1, out));
  EXPECT_EQ(out, kNihonWord);
  EXPECT_FALSE(EncodeHeaderWord("abc", 3, out));
  EXPECT_TRUE(EncodeHeaderWord("abc", 4, out));
}

}  // namespace
}  // namespace alertmail
