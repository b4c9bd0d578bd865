// Items and attributes given by number in the configuration file.

#include <gtest/gtest.h>

#include "nicproto/status_interpretation.h"
#include "nicproto/status_text.h"
#include "tools/nicsim/nic_setting.h"
#include "tools/nicsim/nic_values.h"
#include "tools/nicsim/status_text_builder.h"

namespace nicsim {
namespace {

bool Set(SimNic& nic, const std::string& key, const std::string& value) {
  std::string error;
  return ApplyNicSetting(nic, key, value, &error);
}

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(NicConfigValues, ItemValuesFollowTheItemsKind) {
  SimNic nic;
  EXPECT_TRUE(Set(nic, "item.4", "64"));
  EXPECT_TRUE(Set(nic, "item.5", "0x1C20"));
  EXPECT_TRUE(Set(nic, "item.3", "127.0.0.1"));
  EXPECT_TRUE(Set(nic, "item.144", "4294967295"));
  EXPECT_TRUE(Set(nic, "item.82", "admin@example.com"));
  EXPECT_TRUE(Set(nic, "item.85", "\" Toner is low \""));
  EXPECT_TRUE(Set(nic, "item.83", ""));
  EXPECT_EQ(nic.items[4], "40");
  EXPECT_EQ(nic.items[5], "1C20");
  EXPECT_EQ(nic.items[3], "7F000001");
  EXPECT_EQ(nic.items[144], "FFFFFFFF");
  EXPECT_EQ(nic.items[82], "admin@example.com");
  EXPECT_EQ(nic.items[85], " Toner is low ");
  EXPECT_EQ(nic.items[83], "");

  const SimNic before = nic;
  for (const auto& [key, value] :
       std::vector<std::pair<std::string, std::string>>{{"item.4", "256"},
                                                        {"item.5", "-1"},
                                                        {"item.3", "10.1"},
                                                        {"item.82", "a;b"},
                                                        {"item.82", std::string(129, 'a')},
                                                        {"item.12", "1"},   // no such item
                                                        {"item.0x04", "1"},
                                                        {"item.", "1"},
                                                        {"item.1", "127.0.0.9"},  // ip=
                                                        {"item.16", "NAME"}}) {  // name=
    EXPECT_FALSE(Set(nic, key, value)) << key << "=" << value;
  }
  EXPECT_EQ(nic.items, before.items);  // a refused value leaves the old one
}

TEST(NicConfigValues, AttributeValuesTakeNumbersTextsAddressesAndBytes) {
  SimNic nic;
  EXPECT_TRUE(Set(nic, "attr.14", "30"));
  EXPECT_TRUE(Set(nic, "attr.15", "\"LOBBY PRINTER\""));
  EXPECT_TRUE(Set(nic, "attr.2", "0x0102ff"));
  EXPECT_TRUE(Set(nic, "attr.23", "\"SECRET\""));
  EXPECT_EQ(nic.attributes[14], std::vector<std::uint8_t>{30});
  EXPECT_EQ(nic.attributes[15], Bytes(std::string_view("LOBBY PRINTER\0", 14)));
  EXPECT_EQ(nic.attributes[2], (std::vector<std::uint8_t>{0x01, 0x02, 0xFF}));
  nic::AttributeRecord record;
  ASSERT_EQ(nic.attributes[23].size(), 33u);
  nic::SetAttribute(record, 23, nic.attributes[23].data(), 33);
  char password[33] = {};
  ASSERT_TRUE(nic::GetPassword(record, password, sizeof password));
  EXPECT_STREQ(password, "SECRET");

  for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
           {"attr.15", "\"" + std::string(30, 'A') + "\""},  // no room for the zero byte
           {"attr.14", "0x0102"},
           {"attr.14", "\"X\""},
           {"attr.2", "0x012"},
           {"attr.2", "LOBBY"},
           {"attr.23", "\"" + std::string(33, 'P') + "\""},
           {"attr.7", "\"NAME\""},
           {"attr.29", "255.0.0.0"},
           {"attr.249", "4"},
           {"attr.40", "1"}}) {
    EXPECT_FALSE(Set(nic, key, value)) << key << "=" << value;
  }
}

TEST(NicConfigValues, WrittenValuesAreDescribedInTheFormsTheyAreSetIn) {
  nic::ConfigItemList items;
  nic::SetConfigByte(items, 4, 64);
  nic::SetConfigIp(items, 81, "10.0.0.25");
  nic::SetConfigText(items, 85, "Say \"hi\"\\now");
  EXPECT_EQ(DescribeItem(*nic::FindConfigItem(items, 4)), "item 4=64");
  EXPECT_EQ(DescribeItem(*nic::FindConfigItem(items, 81)), "item 81=10.0.0.25");
  EXPECT_EQ(DescribeItem(*nic::FindConfigItem(items, 85)), "item 85=\"Say \\\"hi\\\"\\\\now\"");

  nic::AttributeRecord record;
  nic::SetTextAttribute(record, 7, "NEW NAME");
  nic::SetByteAttribute(record, 10, 150);
  const std::uint8_t raw[] = {0x00, 0x0A};
  nic::SetAttribute(record, 33, raw, sizeof raw);
  nic::SetPassword(record, "PW");
  EXPECT_EQ(DescribeAttribute(record, *nic::FindAttribute(record, 7)), "attr 7=\"NEW NAME\"");
  EXPECT_EQ(DescribeAttribute(record, *nic::FindAttribute(record, 10)), "attr 10=150");
  EXPECT_EQ(DescribeAttribute(record, *nic::FindAttribute(record, 33)), "attr 33=0x000A");
  EXPECT_EQ(DescribeAttribute(record, *nic::FindAttribute(record, 23)), "attr 23=\"PW\"");
  EXPECT_EQ(QuoteText("a\r\nb"), "\"a\\x0D\\x0Ab\"");
}

TEST(NicConfigValues, FamilyIsReportedInTheStatusText) {
  for (const int family : {0, 1, 2}) {
    SimNic nic;
    nic.printerSpecific = 0x03;
    ASSERT_TRUE(Set(nic, "family", std::to_string(family)));
    const std::string text = BuildStatusText(nic);
    nic::StatusRecord record{};
    nic::ParseStatusText(text.data(), text.size(), record);
    ASSERT_TRUE(record.extStatusValid);
    EXPECT_EQ(nic::PrinterFamily(record.extStatus.printerSpecific), family);
    EXPECT_EQ(record.extStatus.printerSpecific & 0x0F, 0x03);
  }
  SimNic nic;
  EXPECT_FALSE(Set(nic, "family", "7"));
}

}  // namespace
}  // namespace nicsim
