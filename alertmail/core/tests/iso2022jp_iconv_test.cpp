// Checks the arithmetic conversion against glibc's table-driven converter,
// which goes through Unicode and so shares nothing with it. Native only.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alertmail/core/iso2022jp.h"

namespace alertmail {
namespace {

// Empty when glibc refuses the text (no mapping for a character).
std::optional<std::string> IconvIso2022Jp(std::string_view shiftJis) {
  const iconv_t cd = iconv_open("ISO-2022-JP", "SHIFT_JIS");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << "glibc lacks the Shift_JIS converter";
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in(shiftJis);
  std::string out(in.size() * 4 + 16, '\0');
  char* inPos = in.data();
  std::size_t inLeft = in.size();
  char* outPos = out.data();
  std::size_t outLeft = out.size();
  const bool ok = iconv(cd, &inPos, &inLeft, &outPos, &outLeft) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &outPos, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

std::string Convert(std::string_view text) {
  std::string out;
  EXPECT_TRUE(ToIso2022Jp(text, 8192, out));
  return out;
}

// Row and cell back to Shift_JIS, the inverse of what is under test.
std::string ShiftJisOf(int row, int cell) {
  const int lead = (row + 1) / 2 + (row <= 62 ? 0x80 : 0xC0);
  const int trail = row % 2 == 1 ? cell + (cell <= 63 ? 0x3F : 0x40) : cell + 0x9E;
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

TEST(Iso2022JpAgainstIconv, EveryJisX0208Character) {
  int compared = 0;
  int refusedByIconv = 0;
  std::vector<std::string> differing;
  for (int row = 1; row <= 94; ++row) {
    for (int cell = 1; cell <= 94; ++cell) {
      const std::string sjis = ShiftJisOf(row, cell);
      const std::string expected = "\x1B$B" + std::string{static_cast<char>(0x20 + row), static_cast<char>(0x20 + cell)} + "\x1B(B";
      const std::string ours = Convert(sjis);
      EXPECT_EQ(ours, expected) << "row " << row << " cell " << cell;
      const auto theirs = IconvIso2022Jp(sjis);
      if (!theirs) {
        ++refusedByIconv;
        continue;
      }
      ++compared;
      if (*theirs != ours) differing.push_back(std::to_string(row) + "-" + std::to_string(cell));
    }
  }
  std::printf("compared %d characters with iconv, %d refused by iconv, %zu differ\n", compared,
              refusedByIconv, differing.size());
  EXPECT_EQ(compared, 6879);  // every character JIS X 0208 assigns
  EXPECT_TRUE(differing.empty()) << differing.size() << " differ, first " << differing.front();
}

// glibc reads 0x5C and 0x7E as yen sign and overline and writes them in
// JIS-Roman, and has no half-width katakana in ISO-2022-JP; the texts keep
// clear of the first, and the second is shown to be refused, not compared.
struct MixedText {
  const char* text;
  bool iconvAccepts;
};

constexpr MixedText kMixedTexts[] = {
    {"\r\nＮＲＶ Scribex Prindora メール通知\r\n\r\n通知概要： ＥＰカートリッジ交換\r\n\r\n"
     "プリンタ名： PRN-3F (ソフト表示)\r\n\r\n通知アラーム： 76 トナーナシ\r\n\r\n"
     "通知アラーム検出： 1998/04/01  09：30\r\n\r\n\r\n\r\n"
     "トナーが残り少なくなりました。至急、交換用カートリッジを手配して下さい。\r\n"
     "Contact: admin@example.co.jp, tel. 03-1234-5678 [ext. 210] {A|B} `quoted' \"x\" #1 $2 %3 &4\r\n"
     "\r\n\r\n\r\n\r\n****************************************\r\n"
     "株式会社ＮＲＶ\r\n情報システム部\r\n\r\n山田　太郎\r\n\r\n東京都千代田区丸の内１－２－３\r\n\r\n"
     "ΑΒΓ абв ─│┌ ～∥－￠￡￢ 漢字・かな・カナ・アルファベット",
     true},
    {"入力されたメッセージが長すぎます。4000ﾊﾞｲﾄ以下にして下さい。", false},
};

TEST(Iso2022JpAgainstIconv, MixedTexts) {
  for (const auto& [text, iconvAccepts] : kMixedTexts) {
    const auto theirs = IconvIso2022Jp(text);
    ASSERT_EQ(theirs.has_value(), iconvAccepts) << text;
    if (theirs) {
      EXPECT_EQ(Convert(text), *theirs);
    }
  }
}

}  // namespace
}  // namespace alertmail

#endif  // _WIN32
