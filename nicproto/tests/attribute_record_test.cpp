#include "nicproto/attribute_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "nicproto/password.h"

namespace nic {
namespace {

TEST(AttributeRecord, StartsResetWithFiftyOneAttributes) {
  const AttributeRecord record;
  for (const Attribute& a : record.items) {
    EXPECT_FALSE(a.present);
    EXPECT_EQ(a.length, -1);
  }
  EXPECT_NE(FindAttribute(record, 34), nullptr);
  EXPECT_NE(FindAttribute(record, 128), nullptr);
  EXPECT_EQ(FindAttribute(record, 35), nullptr);
  EXPECT_EQ(FindAttribute(record, 240), nullptr);
  EXPECT_EQ(FindAttribute(record, 23)->minLength, 33);
}

TEST(AttributeRecord, GetFailsUnlessPresentAndBufferLargeEnough) {
  AttributeRecord record;
  std::uint8_t out[8] = {};
  std::size_t length = 99;
  EXPECT_FALSE(GetAttribute(record, 251, out, sizeof out, length));
  const std::uint8_t version[] = {'1', '.', '2', '3', 'a'};
  ASSERT_TRUE(SetAttribute(record, 251, version, 5));
  EXPECT_FALSE(GetAttribute(record, 251, out, 4, length));
  ASSERT_TRUE(GetAttribute(record, 251, out, 5, length));
  EXPECT_EQ(length, 5u);
  EXPECT_EQ(std::memcmp(out, version, 5), 0);
}

TEST(AttributeRecord, SetRefusesShortValuesAndCutsLongOnes) {
  AttributeRecord record;
  const std::uint8_t bytes[70] = {1, 2, 3};
  EXPECT_FALSE(SetAttribute(record, 31, bytes, 5));  // exactly 6 needed
  EXPECT_FALSE(SetAttribute(record, 99, bytes, 1));  // no such tag
  ASSERT_TRUE(SetAttribute(record, 13, bytes, 70));
  EXPECT_EQ(FindAttribute(record, 13)->length, 64);
}

TEST(AttributeRecord, IpIsSetOnlyFromTextThatReadsBackIdentically) {
  AttributeRecord record;
  EXPECT_TRUE(SetIpAttribute(record, tag::kIpAddress, "10.0.0.1"));
  for (const char* bad : {"10.0.0.01", "10.1", "256.0.0.1", "10.0.0.1 ", "1.2.3.4.5", ""}) {
    AttributeRecord fresh;
    EXPECT_FALSE(SetIpAttribute(fresh, tag::kIpAddress, bad)) << bad;
    EXPECT_FALSE(FindAttribute(fresh, tag::kIpAddress)->present) << bad;
  }
  char text[16];
  ASSERT_TRUE(GetIpAttribute(record, tag::kIpAddress, text, sizeof text));
  EXPECT_STREQ(text, "10.0.0.1");
}

TEST(AttributeRecord, TextIncludesItsZeroByteAndIsCutToFit) {
  AttributeRecord record;
  ASSERT_TRUE(SetTextAttribute(record, tag::kName, "abc"));
  EXPECT_EQ(FindAttribute(record, tag::kName)->length, 4);
  const std::string longName(60, 'n');
  ASSERT_TRUE(SetTextAttribute(record, tag::kName, longName.c_str()));
  const Attribute* name = FindAttribute(record, tag::kName);
  EXPECT_EQ(name->length, 48);
  EXPECT_EQ(name->value[47], 0);
  char text[64];
  ASSERT_TRUE(GetTextAttribute(record, tag::kName, text, sizeof text));
  EXPECT_EQ(std::string(text), std::string(47, 'n'));
  ASSERT_TRUE(GetTextAttribute(record, tag::kName, text, 5));
  EXPECT_STREQ(text, "nnnn");
}

TEST(AttributeRecord, TextWithoutZeroByteFromTheWireIsTerminated) {
  AttributeRecord record;
  std::uint8_t value[64];
  std::memset(value, 'd', sizeof value);
  ASSERT_TRUE(SetAttribute(record, tag::kDescription, value, 64));
  char text[64];
  ASSERT_TRUE(GetTextAttribute(record, tag::kDescription, text, sizeof text));
  EXPECT_EQ(std::string(text), std::string(63, 'd'));
}

TEST(AttributeRecord, MacTextGoesToAndFrom247And248) {
  AttributeRecord record;
  ASSERT_TRUE(SetMacText(record, "0a:5e:91:69:0:7"));
  const Attribute* high = FindAttribute(record, tag::kMacHigh);
  const Attribute* low = FindAttribute(record, tag::kMacLow);
  EXPECT_EQ(std::memcmp(high->value, "\x0A\x5E\x91", 3), 0);
  EXPECT_EQ(std::memcmp(low->value, "\x69\x00\x07", 3), 0);
  char text[18];
  ASSERT_TRUE(GetMacText(record, text, sizeof text));
  EXPECT_STREQ(text, "0A:5E:91:69:00:07");
  EXPECT_FALSE(SetMacText(record, "0A:5E:91:69:00"));
  EXPECT_FALSE(SetMacText(record, "0A-5E-91-69-00-07"));
}

TEST(Password, ScramblesWithARunningChainFrom0x6B) {
  std::uint8_t plain[kPasswordLength] = {'a', 'b', 'c'};
  std::uint8_t scrambled[kPasswordLength + 1];
  ScramblePassword(plain, scrambled);
  // 'a'^0x6B = 0x0A, 'b'^0x0A = 0x68, 'c'^0x68 = 0x0B, then zeros keep 0x0B.
  EXPECT_EQ(scrambled[0], 0x0A);
  EXPECT_EQ(scrambled[1], 0x68);
  EXPECT_EQ(scrambled[2], 0x0B);
  for (std::size_t i = 3; i < kPasswordLength; ++i) EXPECT_EQ(scrambled[i], 0x0B) << i;
  EXPECT_EQ(scrambled[kPasswordLength], 0);
  std::uint8_t back[kPasswordLength];
  UnscramblePassword(scrambled, back);
  EXPECT_EQ(std::memcmp(back, plain, kPasswordLength), 0);
}

TEST(Password, AttributeHoldsThirtyThreeScrambledBytes) {
  AttributeRecord record;
  const std::string full(40, 'p');
  ASSERT_TRUE(SetPassword(record, full.c_str()));
  EXPECT_EQ(FindAttribute(record, tag::kPassword)->length, 33);
  char text[64];
  ASSERT_TRUE(GetPassword(record, text, sizeof text));
  EXPECT_EQ(std::string(text), std::string(32, 'p'));
}

}  // namespace
}  // namespace nic
