#include "alertmail/core/header_word.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <string>
#include <string_view>
#include <vector>

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

// The words of an encoded header, each checked for its form, and the text
// they carry put back together.
struct Words {
  std::vector<std::string> pieces;
  std::string text;
};

std::string FromBase64(std::string_view base64) {
  static constexpr std::string_view kAlphabet =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  std::uint32_t group = 0;
  int bits = 0;
  for (char c : base64) {
    if (c == '=') break;
    group = group << 6 | static_cast<std::uint32_t>(kAlphabet.find(c));
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>(group >> bits & 0xFF);
    }
  }
  return out;
}

Words Split(const std::string& header) {
  Words words;
  std::size_t at = 0;
  while (at <= header.size()) {
    std::size_t space = header.find(' ', at);
    if (space == std::string::npos) space = header.size();
    const std::string word = header.substr(at, space - at);
    EXPECT_LE(word.size(), kEncodedWordLimit) << word;
    EXPECT_TRUE(word.starts_with("=?ISO-2022-JP?B?") && word.ends_with("?=")) << word;
    const std::string piece = FromBase64(word.substr(16, word.size() - 18));
    EXPECT_EQ(Base64(piece), word.substr(16, word.size() - 18));
    words.pieces.push_back(piece);
    at = space + 1;
  }
  return words;
}

// A piece stands on its own when it ends in ASCII and no double-byte
// character is cut: inside a run its bytes come in pairs.
void ExpectSelfContained(const std::string& piece) {
  bool inRun = false;
  for (std::size_t i = 0; i < piece.size();) {
    if (piece.compare(i, 3, "\x1B$B") == 0 || piece.compare(i, 3, "\x1B(B") == 0) {
      inRun = piece[i + 1] == '$';
      i += 3;
      EXPECT_FALSE(inRun && i + 3 <= piece.size() && piece.compare(i, 3, "\x1B(B") == 0)
          << "an empty run";
    } else {
      ASSERT_TRUE(!inRun || i + 1 < piece.size()) << "a character cut at the end";
      i += inRun ? 2 : 1;
    }
  }
  EXPECT_FALSE(inRun) << "a piece left inside a run";
}

// A text with every run that closes only to open again at once joined up:
// what a reader shows is the same either way.
std::string Normal(std::string text) {
  for (std::size_t at; (at = text.find("\x1B(B\x1B$B")) != std::string::npos;) text.erase(at, 6);
  return text;
}

std::string Joined(const std::vector<std::string>& pieces) {
  std::string text;
  for (const std::string& piece : pieces) text += piece;
  return Normal(text);
}

TEST(HeaderWord, ATextWithARunIsWrittenWholeAsOneWord) {
  EXPECT_EQ(Encode(kNihon), kNihonWord);
  // The ASCII around the run travels inside the word, spaces included.
  const std::string mixed = "Mr " + std::string(kNihon) + " X";
  EXPECT_EQ(Encode(mixed), "=?ISO-2022-JP?B?" + Base64(mixed) + "?=");
  EXPECT_EQ(Encode("\x1B$BF|"), "=?ISO-2022-JP?B?GyRCRnwbKEI=?=");  // an open run is closed
  EXPECT_EQ(Encode("a\x1B(Bb"), "a\x1B(Bb");                        // a lone closing escape is text
}

TEST(HeaderWord, ALongTextBecomesSelfContainedWordsThatCarryItAll) {
  // 30 double-byte characters between ASCII: far more than one word holds.
  std::string run = "\x1B$B";
  for (int i = 0; i < 30; ++i) run += {static_cast<char>(0x30 + i % 16), static_cast<char>(0x21 + i)};
  run += "\x1B(B";
  for (const std::string& text : {run, "[PD Report] " + run + " end", "x " + run + run + "y",
                                  std::string(50, 'a') + std::string(kNihon)}) {
    const std::string header = Encode(text);
    const Words words = Split(header);
    EXPECT_GT(words.pieces.size(), 1u) << header;
    for (const std::string& piece : words.pieces) ExpectSelfContained(piece);
    EXPECT_EQ(Joined(words.pieces), Normal(text)) << header;
    EXPECT_EQ(header.find("  "), std::string::npos);
  }
}

TEST(HeaderWord, AnOddByteInARunIsKeptNotDropped) {
  const std::string text = "\x1B$BF|K\x1B(B";  // not from the converter: a run of three bytes
  EXPECT_EQ(Encode(text), "=?ISO-2022-JP?B?" + Base64(text) + "?=");
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
