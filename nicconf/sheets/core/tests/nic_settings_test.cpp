#include "nicconf/sheets/core/nic_settings.h"

#include <gtest/gtest.h>

#include "nicconf/sheets/core/settings_write.h"

namespace nic {
namespace {

NicSettings CommandNic() {
  NicSettings s;
  s.hasAttributes = s.hasCommandReply = true;
  SetByteAttribute(s.attributes, tag::kCapabilities, kCapabilityCommandProtocol);
  SetTextAttribute(s.attributes, tag::kName, "OLDNAME");
  SetTextAttribute(s.attributes, tag::kDescription, "NRV FastEthernet/1");
  SetConfigText(s.items, config::kName, "PRN1");
  SetConfigIp(s.items, config::kGateway, "192.168.1.1");
  SetConfigByte(s.items, 4, 16);
  SetConfigWord(s.items, 5, 7200);
  return s;
}

TEST(NicSettings, TheItemWinsOverTheAttributeWhereTheReplyHasBoth) {
  const NicSettings s = CommandNic();
  EXPECT_TRUE(IsCommandNic(s));
  EXPECT_EQ(ReadSetting(s, SettingField::PrinterName), "PRN1");
  EXPECT_EQ(ReadSetting(s, SettingField::Gateway), "192.168.1.1");
  EXPECT_EQ(ReadSetting(s, SettingField::MaxSessions), "16");
  EXPECT_EQ(ReadSetting(s, SettingField::SessionTimeout), "7200");
  EXPECT_EQ(ReadSetting(s, SettingField::MailTo), std::nullopt);

  NicSettings attributeOnly;
  SetByteAttribute(attributeOnly.attributes, tag::kCapabilities, 0x20 | 0x40);
  SetTextAttribute(attributeOnly.attributes, tag::kName, "PRN9");
  EXPECT_FALSE(IsCommandNic(attributeOnly));
  EXPECT_EQ(ReadSetting(attributeOnly, SettingField::PrinterName), "PRN9");
}

TEST(NicSettings, AValueGoesBackWhereItCameFromAndOnlyInItsForm) {
  NicSettings s = CommandNic();
  const NicSettings baseline = s;
  EXPECT_TRUE(WriteSetting(s, SettingField::MaxSessions, "32"));
  EXPECT_TRUE(WriteSetting(s, SettingField::Gateway, "192.168.1.254"));
  EXPECT_FALSE(WriteSetting(s, SettingField::MaxSessions, "256"));
  EXPECT_FALSE(WriteSetting(s, SettingField::MaxSessions, "3x"));
  EXPECT_FALSE(WriteSetting(s, SettingField::Gateway, "192.168.1"));
  EXPECT_FALSE(WriteSetting(s, SettingField::MailTo, "a@b"));  // the reply has no such item
  EXPECT_EQ(PresentConfigTags(ChangedConfigItems(baseline.items, s.items)),
            (std::vector<std::uint8_t>{config::kGateway, 4}));
  EXPECT_TRUE(ChangedAttributeTags(baseline.attributes, s.attributes).empty());
}

TEST(NicSettings, EveryFieldHasAPlace) {
  for (int f = 0; f <= static_cast<int>(SettingField::AppleTalkEntity4); ++f) {
    const FieldPlace place = PlaceOf(static_cast<SettingField>(f));
    EXPECT_TRUE(place.item != 0 || place.attribute != 0) << f;
  }
}

TEST(NicSettings, TheAppleTalkAddressIsShownInDecimalHighByteFirst) {
  NicSettings s;
  EXPECT_EQ(AppleTalkAddressOf(s).network, "");
  EXPECT_EQ(AppleTalkAddressOf(s).node, "");
  const std::uint8_t network[] = {0xFF, 0x01};
  SetAttribute(s.attributes, 33, network, sizeof network);
  SetByteAttribute(s.attributes, 32, 200);
  EXPECT_EQ(AppleTalkAddressOf(s).network, "65281");
  EXPECT_EQ(AppleTalkAddressOf(s).node, "200");
}

}  // namespace
}  // namespace nic
