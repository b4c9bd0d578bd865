#include "nicproto/config_items.h"

#include <gtest/gtest.h>

#include <string>

#include "nicproto/tests/bytes.h"

namespace nic {
namespace {

using test::B;
using test::Bytes;
using test::S;

TEST(ConfigItems, TableHasFiftySixItemsWithTheirForms) {
  const ConfigItemList list;
  EXPECT_EQ(FindConfigItem(list, 1)->maxLength, 8);
  EXPECT_EQ(FindConfigItem(list, 5)->maxLength, 4);
  EXPECT_EQ(FindConfigItem(list, 4)->maxLength, 2);
  EXPECT_EQ(FindConfigItem(list, 16)->maxLength, 48);
  EXPECT_EQ(FindConfigItem(list, 87)->maxLength, 128);
  EXPECT_EQ(FindConfigItem(list, 166)->form, ConfigForm::Dword);
  EXPECT_EQ(FindConfigItem(list, 12), nullptr);
  EXPECT_EQ(FindConfigItem(list, 151), nullptr);
}

TEST(ConfigItems, EncodesPresentItemsInTableOrderWithLength) {
  ConfigItemList list;
  ASSERT_TRUE(SetConfigText(list, config::kName, "PR"));
  ASSERT_TRUE(SetConfigIp(list, config::kIpAddress, "192.168.1.20"));
  ASSERT_TRUE(SetConfigWord(list, 5, 0x012C));
  Bytes out;
  EncodeConfigItems(list, out);
  // (8+2) + (4+2) + (2+2) = 20
  EXPECT_EQ(out, B({0, 20, 1}) + B("C0A80114;") + B({5}) + B("012C;") + B({16}) + B("PR;"));
}

TEST(ConfigItems, DecodeClampsDeclaredLengthToWhatArrived) {
  ConfigItemList list;
  DecodeConfigItems(S(B({0x7F, 0xFF, 4}) + B("1A;") + B({17}) + B("0")), list);
  std::uint8_t value = 0;
  ASSERT_TRUE(GetConfigByte(list, 4, value));
  EXPECT_EQ(value, 0x1A);
  EXPECT_FALSE(FindConfigItem(list, 17)->present);  // "0" is one digit short
}

TEST(ConfigItems, DecodeStopsAtDeclaredLength) {
  ConfigItemList list;
  DecodeConfigItems(S(B({0, 4, 4}) + B("1A;") + B({17}) + B("0F;")), list);
  EXPECT_TRUE(FindConfigItem(list, 4)->present);
  EXPECT_FALSE(FindConfigItem(list, 17)->present);
}

TEST(ConfigItems, DecodePassesOverUnknownTagsAndBadLengths) {
  ConfigItemList list;
  const Bytes items = B({12}) + B("xx;") + B({1}) + B("C0A8;") + B({16}) + B(";") + B({32}) +
                      B("01;") + B({'%'}) + B("01");
  DecodeConfigItems(S(B({0, static_cast<int>(items.size())}) + items), list);
  EXPECT_FALSE(FindConfigItem(list, 1)->present);
  ASSERT_TRUE(FindConfigItem(list, 16)->present);  // an empty name is within bounds
  EXPECT_EQ(FindConfigItem(list, 16)->length, 0);
  std::uint8_t value = 0;
  ASSERT_TRUE(GetConfigByte(list, 32, value));
  EXPECT_EQ(value, 1);
  ASSERT_TRUE(GetConfigByte(list, config::kPowerOffRefused, value));  // no final ';'
  EXPECT_EQ(value, 1);
}

TEST(ConfigItems, TypedAccessorsUseHexMostSignificantFirst) {
  ConfigItemList list;
  ASSERT_TRUE(SetConfigDword(list, 144, 0xDEADBEEF));
  EXPECT_EQ(std::string(FindConfigItem(list, 144)->value, 8), "DEADBEEF");
  ASSERT_TRUE(SetConfigValue(list, 145, "0000abcd", 8));
  std::uint32_t counter = 0;
  ASSERT_TRUE(GetConfigDword(list, 145, counter));
  EXPECT_EQ(counter, 0xABCDu);
  ASSERT_TRUE(SetConfigValue(list, 146, "0000abcg", 8));
  EXPECT_FALSE(GetConfigDword(list, 146, counter));
  char ip[16];
  ASSERT_TRUE(SetConfigValue(list, 3, "0A000001", 8));
  ASSERT_TRUE(GetConfigIp(list, 3, ip, sizeof ip));
  EXPECT_STREQ(ip, "10.0.0.1");
  EXPECT_FALSE(SetConfigByte(list, 1, 5));      // an address item takes 8 digits
  EXPECT_FALSE(SetConfigIp(list, 1, "10.1"));
  EXPECT_FALSE(SetConfigText(list, 4, "AB"));   // not a text item
}

TEST(ConfigItems, TextIsCutToItsMaximumAndMayNotHoldSemicolon) {
  ConfigItemList list;
  const std::string longName(60, 'x');
  ASSERT_TRUE(SetConfigText(list, config::kName, longName.c_str()));
  EXPECT_EQ(FindConfigItem(list, config::kName)->length, 48);
  EXPECT_FALSE(SetConfigText(list, 82, "a;b"));
  EXPECT_FALSE(FindConfigItem(list, 82)->present);
  const std::string full(128, 'm');
  ASSERT_TRUE(SetConfigText(list, 83, full.c_str()));
  char text[200];
  ASSERT_TRUE(GetConfigText(list, 83, text, sizeof text));
  EXPECT_EQ(std::string(text), full);
}

TEST(ConfigItems, RoundTripThroughTheWire) {
  ConfigItemList list;
  ASSERT_TRUE(SetConfigIp(list, 81, "172.16.0.9"));
  ASSERT_TRUE(SetConfigText(list, 84, "admin@example.test"));
  ASSERT_TRUE(SetConfigByte(list, 40, 1));
  Bytes wire;
  EncodeConfigItems(list, wire);
  ConfigItemList back;
  DecodeConfigItems(S(wire), back);
  for (std::size_t i = 0; i < kConfigItemCount; ++i) {
    const ConfigItem& a = list.items[i];
    const ConfigItem& b = back.items[i];
    ASSERT_EQ(a.present, b.present) << int(a.tag);
    if (a.present) {
      EXPECT_EQ(std::string(a.value, a.length), std::string(b.value, b.length));
    }
  }
}

}  // namespace
}  // namespace nic
