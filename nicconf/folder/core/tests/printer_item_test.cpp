#include "nicconf/folder/core/printer_item.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/bounded_text.h"

namespace nic {
namespace {

PrinterRecord Named(const char* name, const char* mac) {
  PrinterRecord record{};
  CopyBoundedText(record.name, name);
  CopyBoundedText(record.mac, mac);
  return record;
}

TEST(PrinterItem, EmptyFieldsTakeTheirDefaultsAndNameAndMacStayAsGiven) {
  const auto item = PackPrinterItem(Named("", ""));
  PrinterRecord back{};
  ASSERT_TRUE(DecodePrinterItem(item.data(), item.size(), back));
  EXPECT_STREQ(back.name, "");
  EXPECT_STREQ(back.mac, "");
  EXPECT_STREQ(back.model, "-----");
  EXPECT_STREQ(back.ip, "-----");
  EXPECT_STREQ(back.netnum, "00000000");
  EXPECT_STREQ(back.version, "-----");
  EXPECT_STREQ(back.status, "<STATE_UNKNOWN>");
  EXPECT_STREQ(back.protocol, "TCP/IP");
}

TEST(PrinterItem, IsTheTextsWithTheirZerosThenTheIntegersAndAZeroWord) {
  PrinterRecord record = Named("P1", "00:80:87:12:34:56");
  CopyBoundedText(record.model, "M");
  record.value1 = 0x01020304;
  record.value2 = 7;
  const auto item = PackPrinterItem(record);
  const std::string expected = std::string("P1\0M\0" "00:80:87:12:34:56\0-----\0" "00000000\0-----\0"
                                           "<STATE_UNKNOWN>\0TCP/IP\0", 67) +
                               std::string("\x04\x03\x02\x01\x07\0\0\0\0\0", 10);
  EXPECT_EQ(std::string(item.begin(), item.end()), expected);
}

TEST(PrinterItem, EveryTruncationOfAValidItemIsRefused) {
  PrinterRecord record = Named("プリンタ一", "00:80:87:12:34:56");
  record.value1 = 3;
  const auto item = PackPrinterItem(record);
  for (std::size_t size = 0; size < item.size(); ++size) {
    PrinterRecord back{};
    EXPECT_FALSE(DecodePrinterItem(item.data(), size, back)) << size;
  }
  PrinterRecord back{};
  ASSERT_TRUE(DecodePrinterItem(item.data(), item.size(), back));
  EXPECT_STREQ(back.name, "プリンタ一");
  EXPECT_EQ(back.value1, 3u);
}

TEST(PrinterItem, OverlongTextsFromTheHostAreCutToTheirFieldsAndAMissingEndWordIsRefused) {
  std::string block = std::string(300, 'N') + '\0';
  for (int i = 0; i < 7; ++i) block += std::string(100, 'x') + '\0';
  block += std::string(8, '\0');
  PrinterRecord back{};
  EXPECT_FALSE(DecodePrinterItem(reinterpret_cast<const std::uint8_t*>(block.data()), block.size(), back));
  block += std::string(2, '\0');
  ASSERT_TRUE(DecodePrinterItem(reinterpret_cast<const std::uint8_t*>(block.data()), block.size(), back));
  EXPECT_EQ(std::strlen(back.name), 64u);
  EXPECT_EQ(std::strlen(back.mac), 18u);
  EXPECT_EQ(std::strlen(back.protocol), 16u);
  block[block.size() - 1] = 1;
  EXPECT_FALSE(DecodePrinterItem(reinterpret_cast<const std::uint8_t*>(block.data()), block.size(), back));
}

}  // namespace
}  // namespace nic
