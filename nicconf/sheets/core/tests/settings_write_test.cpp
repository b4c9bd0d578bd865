#include "nicconf/sheets/core/settings_write.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

ConfigItemList CommandReply() {
  ConfigItemList list;
  SetConfigIp(list, config::kIpAddress, "192.168.1.20");
  SetConfigIp(list, config::kGateway, "192.168.1.1");
  SetConfigByte(list, 4, 16);  // the maximum session count
  SetConfigText(list, config::kName, "PRN1");
  return list;
}

TEST(SettingsWrite, ACommandNicGetsExactlyTheItemsThatChanged) {
  const ConfigItemList baseline = CommandReply();
  ConfigItemList edited = baseline;
  EXPECT_TRUE(PresentConfigTags(ChangedConfigItems(baseline, edited)).empty());

  SetConfigByte(edited, 4, 32);
  SetConfigIp(edited, config::kGateway, "192.168.1.254");
  const ConfigItemList write = ChangedConfigItems(baseline, edited);
  EXPECT_EQ(PresentConfigTags(write), (std::vector<std::uint8_t>{config::kGateway, 4}));
  std::uint8_t sessions = 0;
  ASSERT_TRUE(GetConfigByte(write, 4, sessions));
  EXPECT_EQ(sessions, 32);

  // Set back to what it was: nothing to send for it.
  SetConfigByte(edited, 4, 16);
  EXPECT_EQ(PresentConfigTags(ChangedConfigItems(baseline, edited)), (std::vector<std::uint8_t>{config::kGateway}));
}

TEST(SettingsWrite, AnAttributeNicGetsItsReplyWithOnlyTheChangedAttribute) {
  AttributeRecord reply;
  SetIpAttribute(reply, tag::kIpAddress, "192.168.1.20");
  SetTextAttribute(reply, tag::kName, "PRN1");
  SetByteAttribute(reply, tag::kAccessPeriod, 50);
  const AttributeRecord baseline = reply;
  AttributeRecord edited = baseline;
  AttributeRecord write;
  EXPECT_FALSE(BuildAttributeWrite(reply, baseline, edited, write));

  SetTextAttribute(edited, tag::kName, "PRN2");
  ASSERT_TRUE(BuildAttributeWrite(reply, baseline, edited, write));
  EXPECT_EQ(ChangedAttributeTags(reply, write), (std::vector<std::uint8_t>{tag::kName}));
  char name[64];
  ASSERT_TRUE(GetTextAttribute(write, tag::kName, name, sizeof name));
  EXPECT_STREQ(name, "PRN2");
  char ip[16];
  ASSERT_TRUE(GetIpAttribute(write, tag::kIpAddress, ip, sizeof ip));
  EXPECT_STREQ(ip, "192.168.1.20");
}

}  // namespace
}  // namespace nic

namespace nic {
namespace {

NicSettings AttributeNic() {
  NicSettings s;
  SetByteAttribute(s.attributes, tag::kCapabilities, 0x60);
  SetTextAttribute(s.attributes, tag::kName, "PRN1");
  SetTextAttribute(s.attributes, tag::kDescription, "NRV NIC");
  s.hasAttributes = true;
  return s;
}

TEST(SheetWrite, NothingChangedSendsNothing) {
  const NicSettings attributeNic = AttributeNic();
  EXPECT_FALSE(BuildSheetWrite(attributeNic, attributeNic).any);
  NicSettings commandNic = attributeNic;
  SetByteAttribute(commandNic.attributes, tag::kCapabilities, 0x20);
  SetConfigByte(commandNic.items, 4, 8);
  EXPECT_FALSE(BuildSheetWrite(commandNic, commandNic).any);
}

TEST(SheetWrite, AChangedContextSendsTheExtendedRequestWithTheRecord) {
  const NicSettings baseline = AttributeNic();
  NicSettings image = baseline;
  SetExtendedText(image.extended, "OU=SALES.O=ACME");
  const SheetWrite write = BuildSheetWrite(baseline, image);
  ASSERT_TRUE(write.any);
  EXPECT_FALSE(write.commandNic);
  EXPECT_TRUE(write.sendExtended);
  char name[65] = {};
  EXPECT_TRUE(GetTextAttribute(write.attributes, tag::kName, name, sizeof name));
  EXPECT_STREQ(name, "PRN1");  // the reply's record goes with it, unchanged

  SetTextAttribute(image.attributes, tag::kName, "PRN9");
  const SheetWrite both = BuildSheetWrite(baseline, image);
  EXPECT_TRUE(GetTextAttribute(both.attributes, tag::kName, name, sizeof name));
  EXPECT_STREQ(name, "PRN9");
  EXPECT_TRUE(both.sendExtended);
}

}  // namespace
}  // namespace nic

namespace nic {
namespace {

TEST(SheetWrite, NoFileServerAndNoContextWriteNetWareAsUnused) {
  NicSettings baseline = AttributeNic();
  SetTextAttribute(baseline.attributes, 21, "FS1");
  SetByteAttribute(baseline.attributes, 5, 2);
  NicSettings image = baseline;
  ASSERT_TRUE(WriteSetting(image, SettingField::FileServerName, kNoFileServer));
  SheetWrite write = BuildSheetWrite(baseline, image);
  std::uint8_t mode = 9;
  ASSERT_TRUE(GetByteAttribute(write.attributes, 5, mode));
  EXPECT_EQ(mode, 0);
  // With a context the mode stays as chosen.
  ASSERT_TRUE(SetNdsContext(image, "O=ACME"));
  write = BuildSheetWrite(baseline, image);
  ASSERT_TRUE(GetByteAttribute(write.attributes, 5, mode));
  EXPECT_EQ(mode, 2);
  EXPECT_EQ(NdsContext(image), "O=ACME");
}

}  // namespace
}  // namespace nic
