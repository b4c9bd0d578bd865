#include <gtest/gtest.h>

#include <cstring>

#include "nicproto/status_interpretation.h"

namespace nic {
namespace {

PaperNames Names(int sourceIndex, std::uint8_t printerSpecific, std::uint32_t code) {
  PaperNames names;
  std::memset(&names, 'x', sizeof names);  // a stale name must not survive
  GetPaperNames(sourceIndex, printerSpecific, code, names);
  return names;
}

TEST(PrinterFamily, EvenHighNibblesUpToCAreFamilies) {
  for (int nibble = 0; nibble < 16; ++nibble) {
    const int expected = nibble % 2 == 0 && nibble <= 0xC ? nibble / 2 : -1;
    for (int low : {0x0, 0x7, 0xF}) {
      EXPECT_EQ(PrinterFamily(static_cast<std::uint8_t>(nibble << 4 | low)), expected)
          << nibble << ' ' << low;
    }
  }
}

TEST(PaperNames, NamesFromTheFamilysRowAndTheSizeTable) {
  struct Case {
    int source;
    std::uint8_t printerSpecific;
    std::uint32_t code;
    const char* sourceName;
    const char* sizeName;
  } cases[] = {
      {0, 0x00, 0, "手差し／トレー", "不明(00)"},
      {1, 0x05, 3, "ホッパ１", "A4"},
      {5, 0x20, 24, "ホッパ４", "レター"},
      {7, 0x2F, 13, "封筒フィーダ", "ユニバーサル"},
      {2, 0x40, 34, "シートフィーダ(ホッパ２）", "Monarch Envelope"},
      {5, 0x60, 1, "トラクタフィーダ", "レター"},
      {0, 0x81, 17, "不明(81)", "ハガキ"},
      {6, 0xA0, 31, "不明(A7)", "Executive"},
      {3, 0xC0, 39, "不明(C4)", "不明(39)"},
      {7, 0xC0, 16, "", "ユニバーサル"},
  };
  for (const Case& c : cases) {
    const PaperNames names = Names(c.source, c.printerSpecific, c.code);
    EXPECT_STREQ(names.source, c.sourceName) << c.source << ' ' << int{c.printerSpecific};
    EXPECT_STREQ(names.size, c.sizeName) << c.code;
  }
}

TEST(PaperNames, ContinuousFormsOnlyForFamilyThree) {
  EXPECT_STREQ(Names(5, 0x60, 13).size, "連続紙");
  EXPECT_STREQ(Names(5, 0x60, 16).size, "ユニバーサル");
  EXPECT_STREQ(Names(5, 0x40, 13).size, "ユニバーサル");
}

TEST(PaperNames, NoFamilyNamesTheByteAndLeavesTheSizeEmpty) {
  PaperNames names = Names(0, 0x30, 3);
  EXPECT_STREQ(names.source, "ubPrinterSpecific(0x30) Error");
  EXPECT_STREQ(names.size, "");
  names = Names(1, 0xE2, 45);  // the family is checked before the size code
  EXPECT_STREQ(names.source, "ubPrinterSpecific(0xe2) Error");
  EXPECT_STREQ(names.size, "");
}

TEST(PaperNames, SizeCodeFortyAndAboveNamesTheCodeAndLeavesTheSourceEmpty) {
  PaperNames names = Names(1, 0x00, 40);
  EXPECT_STREQ(names.source, "");
  EXPECT_STREQ(names.size, "ubDesiredPaperSize(0x28) Error");
  names = Names(1, 0x20, 0xFFFFFFFF);
  EXPECT_STREQ(names.size, "ubDesiredPaperSize(0xffffffff) Error");
}

TEST(PaperNames, SourceIndexOutsideTheRowGivesAnEmptyName) {
  for (int source : {-1, 8, 1000}) {
    const PaperNames names = Names(source, 0x20, 3);
    EXPECT_STREQ(names.source, "") << source;
    EXPECT_STREQ(names.size, "A4") << source;
  }
}

}  // namespace
}  // namespace nic
