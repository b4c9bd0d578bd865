#include "tools/nicctl/field_setting.h"

#include <gtest/gtest.h>

#include <string>

#include "common/ipv4_text.h"

namespace {

struct Applied {
  nic::TransactionBlock block;
  nic::ConfigItemList config;
};

// Parses one word and writes it into a fresh block and list.
void ParseAndApply(const std::string& word, FieldSetting& setting, Applied& applied) {
  std::string error;
  ASSERT_TRUE(ParseFieldSetting(word, setting, error)) << word << ": " << error;
  ASSERT_TRUE(ApplySetting(setting, applied.block, applied.config)) << word;
}

std::string AttributeText(const Applied& applied, std::uint8_t tag) {
  char text[nic::kAttributeValueSize + 1] = {};
  nic::GetTextAttribute(applied.block.attributes, tag, text, sizeof text);
  return text;
}

std::string ConfigRaw(const Applied& applied, std::uint8_t tag) {
  const nic::ConfigItem* item = nic::FindConfigItem(applied.config, tag);
  return item->present ? std::string(item->value, static_cast<std::size_t>(item->length)) : "-";
}

TEST(NicctlFieldSetting, NamedAttributesTakeTheirForms) {
  FieldSetting s;
  Applied a;
  ParseAndApply("name=PRN1", s, a);
  ParseAndApply("ip=10.0.0.9", s, a);
  ParseAndApply("mask=255.255.255.0", s, a);
  ParseAndApply("access-period=30", s, a);
  ParseAndApply("ftp-timeout=5", s, a);
  EXPECT_EQ(AttributeText(a, nic::tag::kName), "PRN1");
  char ip[kIpTextSize] = {};
  ASSERT_TRUE(nic::GetIpAttribute(a.block.attributes, nic::tag::kIpAddress, ip, sizeof ip));
  EXPECT_STREQ(ip, "10.0.0.9");
  std::uint8_t byte = 0;
  ASSERT_TRUE(nic::GetByteAttribute(a.block.attributes, nic::tag::kAccessPeriod, byte));
  EXPECT_EQ(byte, 30);
  ASSERT_TRUE(nic::GetByteAttribute(a.block.attributes, nic::tag::kFtpTimeout, byte));
  EXPECT_EQ(byte, 5);
}

TEST(NicctlFieldSetting, PasswordIsStoredScrambled) {
  FieldSetting s;
  Applied a;
  ParseAndApply("password=secret", s, a);
  char plain[64] = {};
  ASSERT_TRUE(nic::GetPassword(a.block.attributes, plain, sizeof plain));
  EXPECT_STREQ(plain, "secret");
  const nic::Attribute* stored = nic::FindAttribute(a.block.attributes, nic::tag::kPassword);
  EXPECT_NE(std::string(reinterpret_cast<const char*>(stored->value), 6), "secret");
}

TEST(NicctlFieldSetting, AttributesByTagTakeHexPairsOrText) {
  FieldSetting s;
  Applied a;
  ParseAndApply("attr.31=0a0B0c0D0e0F", s, a);
  const nic::Attribute* six = nic::FindAttribute(a.block.attributes, 31);
  ASSERT_EQ(six->length, 6);
  EXPECT_EQ(six->value[0], 0x0A);
  EXPECT_EQ(six->value[5], 0x0F);
  ParseAndApply("attr.9=1E", s, a);
  std::uint8_t byte = 0;
  ASSERT_TRUE(nic::GetByteAttribute(a.block.attributes, 9, byte));
  EXPECT_EQ(byte, 0x1E);
  ParseAndApply("attr.6=some text", s, a);
  EXPECT_EQ(AttributeText(a, 6), "some text");
}

TEST(NicctlFieldSetting, ContextGoesIntoTheExtendedText) {
  FieldSetting s;
  Applied a;
  ParseAndApply("context=O=OFFICE", s, a);
  EXPECT_EQ(s.target, SettingTarget::ExtendedText);
  char text[nic::kExtendedValueSize + 1] = {};
  ASSERT_TRUE(nic::GetExtendedText(a.block.extendedText, text, sizeof text));
  EXPECT_STREQ(text, "O=OFFICE");
}

TEST(NicctlFieldSetting, ConfigItemsTravelAsHexText) {
  FieldSetting s;
  Applied a;
  ParseAndApply("config.ftp-timeout=5", s, a);
  ParseAndApply("config.gateway=10.0.0.1", s, a);
  ParseAndApply("config.name=PRN1", s, a);
  ParseAndApply("config.link-timeout=300", s, a);
  ParseAndApply("config.counter-144=4294967295", s, a);
  EXPECT_EQ(ConfigRaw(a, 8), "05");
  EXPECT_EQ(ConfigRaw(a, nic::config::kGateway), "0A000001");
  EXPECT_EQ(ConfigRaw(a, nic::config::kName), "PRN1");
  EXPECT_EQ(ConfigRaw(a, 5), "012C");
  EXPECT_EQ(ConfigRaw(a, 144), "FFFFFFFF");
  EXPECT_EQ(ConfigRaw(a, nic::config::kIpAddress), "-");
  EXPECT_FALSE(a.block.attributes.items[0].present) << "config items leave the attributes alone";
}

TEST(NicctlFieldSetting, BadFieldsAndValuesAreRefusedWithOneLine) {
  const std::string longName(48, 'N');  // 47 and the zero byte fill the attribute
  const std::string longPassword(33, 'p');
  const std::string longContext(255, 'c');
  const char* const bad[] = {
      "colour=blue",          "name",
      "=x",                   "mac=00:80:87:00:00:01",
      "description=x",        "ip=10.0.0",
      "ip=10.0.0.01",         "mask=host",
      "access-period=256",    "access-period=-1",
      "ftp-timeout=0x10",     "ftp-timeout=",
      "attr.35=00",           "attr.256=00",
      "attr.x=00",            "attr.31=0A0B0C0D0E",
      "attr.31=0A0B0C0D0E0",  "attr.31=0A0B0C0D0E0G",
      "config.colour=1",      "config.name=a;b",
      "config.link-timeout=65536", "config.counter-144=4294967296",
      "config.gateway=10.0.0.256", "config.item-128=1",
  };
  for (const char* word : bad) {
    FieldSetting s;
    std::string error;
    EXPECT_FALSE(ParseFieldSetting(word, s, error)) << word;
    EXPECT_FALSE(error.empty()) << word;
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
  for (const std::string& word :
       {"name=" + longName, "password=" + longPassword, "context=" + longContext}) {
    FieldSetting s;
    std::string error;
    EXPECT_FALSE(ParseFieldSetting(word, s, error)) << word.substr(0, 10);
  }
}

TEST(NicctlFieldSetting, LongestTextsFit) {
  FieldSetting s;
  Applied a;
  ParseAndApply("name=" + std::string(47, 'N'), s, a);
  EXPECT_EQ(AttributeText(a, nic::tag::kName), std::string(47, 'N'));
  ParseAndApply("password=" + std::string(32, 'p'), s, a);
  ParseAndApply("context=" + std::string(254, 'c'), s, a);
  ParseAndApply("config.mail-text-1=" + std::string(128, 'm'), s, a);
  ParseAndApply("name=", s, a);
  EXPECT_EQ(AttributeText(a, nic::tag::kName), "");
}

#ifndef _WIN32
TEST(NicctlFieldSetting, TypedTextIsStoredAsShiftJis) {
  FieldSetting s;
  Applied a;
  ParseAndApply("name=\xE6\x83\x85\xE5\xA0\xB1", s, a);  // two kanji in UTF-8
  EXPECT_EQ(AttributeText(a, nic::tag::kName), "情報");

  std::string kanji23;
  std::string kanji24;
  for (int i = 0; i < 23; ++i) kanji23 += "\xE6\x83\x85";
  kanji24 = kanji23 + "\xE6\x83\x85";
  std::string error;
  EXPECT_TRUE(ParseFieldSetting("name=" + kanji23, s, error)) << error;  // 46 bytes
  EXPECT_FALSE(ParseFieldSetting("name=" + kanji24, s, error));          // 48 bytes
  EXPECT_FALSE(ParseFieldSetting("name=\xF0\x9F\x98\x80", s, error)) << "no Shift_JIS form";
  EXPECT_FALSE(ParseFieldSetting("name=\xFF", s, error)) << "not UTF-8";
}
#endif

}  // namespace
