#include "nicconf/folder/core/printer_list.h"

#include <gtest/gtest.h>

#include <string>

#include "common/bounded_text.h"

namespace nic {
namespace {

TEST(PrinterList, ATenFieldLineKeepsWhatTheFolderOwnsAndForgetsWhatThePrinterTells) {
  std::vector<PrinterRecord> list;
  ASSERT_TRUE(ParsePrinterList(
      "P1,M,00:80:87:12:34:56,192.168.1.20,00000000,1.0,<READY>,TCP/IP,3,7\r\n", list));
  ASSERT_EQ(list.size(), 1u);
  const PrinterRecord& r = list[0];
  EXPECT_STREQ(r.name, "P1");
  EXPECT_STREQ(r.mac, "00:80:87:12:34:56");
  EXPECT_STREQ(r.ip, "192.168.1.20");
  EXPECT_STREQ(r.netnum, "00000000");
  EXPECT_STREQ(r.protocol, "TCP/IP");
  EXPECT_EQ(r.value1, 3u);
  EXPECT_EQ(r.value2, 7u);
  EXPECT_STREQ(r.model, "-----");
  EXPECT_STREQ(r.version, "-----");
  EXPECT_STREQ(r.status, "<STATE_UNKNOWN>");
}

TEST(PrinterList, ShortLinesKeepTheDefaultsAndFieldsAreCutToTheirWidths) {
  std::vector<PrinterRecord> list;
  ASSERT_TRUE(ParsePrinterList("P2\n" + std::string(200, 'n') + ",m," + std::string(40, 'A'), list));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_STREQ(list[0].name, "P2");
  EXPECT_STREQ(list[0].mac, "-----");
  EXPECT_STREQ(list[0].ip, "-----");
  EXPECT_STREQ(list[0].netnum, "-----");
  EXPECT_STREQ(list[0].protocol, "TCP/IP");
  EXPECT_EQ(list[0].value1, 0u);
  EXPECT_EQ(std::string(list[1].name), std::string(64, 'n'));
  EXPECT_EQ(std::string(list[1].mac), std::string(18, 'A'));
}

TEST(PrinterList, EmptyBlankAndZeroLeadingFilesFailAndBlankLinesBetweenPrintersAreSkipped) {
  std::vector<PrinterRecord> list;
  EXPECT_FALSE(ParsePrinterList("", list));
  EXPECT_FALSE(ParsePrinterList("\r\n  \r\n\t\n", list));
  EXPECT_FALSE(ParsePrinterList(std::string("\0P1,M\r\n", 7), list));
  ASSERT_TRUE(ParsePrinterList(std::string("A\r\n\r\nB\r\n\0C\r\n", 13), list));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_STREQ(list[1].name, "B");
}

TEST(PrinterList, OnlyTheFirstHundredLinesAreRead) {
  std::string text;
  for (int i = 0; i < 101; ++i) text += "P" + std::to_string(i) + ",M,00:00:00:00:00:01\r\n";
  std::vector<PrinterRecord> list;
  ASSERT_TRUE(ParsePrinterList(text, list));
  ASSERT_EQ(list.size(), 100u);
  EXPECT_STREQ(list[99].name, "P99");
}

TEST(PrinterList, SavesExactlyTheLineFormatAndAnApostropheSurvives) {
  PrinterRecord r{};
  CopyBoundedText(r.name, "Tom's プリンタ");
  CopyBoundedText(r.model, "LP-S100");
  CopyBoundedText(r.mac, "00:80:87:12:34:56");
  CopyBoundedText(r.ip, "192.168.1.20");
  CopyBoundedText(r.netnum, "00000000");
  CopyBoundedText(r.version, "1.0");
  CopyBoundedText(r.status, "<READY>");
  CopyBoundedText(r.protocol, "TCP/IP");
  r.value1 = 3;
  r.value2 = 0xFFFFFFFF;
  const std::string text = FormatPrinterList({&r, 1});
  EXPECT_EQ(text, "Tom's プリンタ,LP-S100,00:80:87:12:34:56,192.168.1.20,00000000,1.0,<READY>,TCP/IP,3,-1\r\n");
  std::vector<PrinterRecord> list;
  ASSERT_TRUE(ParsePrinterList(text, list));
  EXPECT_STREQ(list[0].name, "Tom's プリンタ");
  EXPECT_EQ(list[0].value2, 0xFFFFFFFFu);
  EXPECT_EQ(FormatPrinterList({}), "");
}

TEST(PrinterList, ACommaOrLineBreakInANameIsSavedAsABlankSoNoFieldShifts) {
  PrinterRecord r{};
  CopyBoundedText(r.name, "A,B\r\nC");
  CopyBoundedText(r.mac, "00:80:87:12:34:56");
  std::vector<PrinterRecord> list;
  ASSERT_TRUE(ParsePrinterList(FormatPrinterList({&r, 1}), list));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_STREQ(list[0].name, "A B  C");
  EXPECT_STREQ(list[0].mac, "00:80:87:12:34:56");
}

}  // namespace
}  // namespace nic
