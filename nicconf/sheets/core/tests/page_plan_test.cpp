#include "nicconf/sheets/core/page_plan.h"

#include <gtest/gtest.h>

#include "nicconf/sheets/core/nic_settings.h"

namespace nic {
namespace {

using P = SettingPage;

TEST(PagePlan, ANicWithoutTheProtocolsShowsItsBoardAndItsInformationOnly) {
  EXPECT_EQ(PagesFor({0, false, "", false, 0, false}), (std::vector<P>{P::LanBoard}));
  EXPECT_EQ(PagesFor({0x01, false, "", false, 0, true}), (std::vector<P>{P::LanBoard, P::Information}));
}

TEST(PagePlan, ACommandNicWithEveryCapabilityShowsElevenPagesInOrder) {
  const NicFacts all{0x20 | 0x40 | 0x04, true, "NRV FastEthernet/1 board", true, 1, true};
  EXPECT_EQ(PagesFor(all), (std::vector<P>{P::LanBoard, P::TcpIp, P::TcpIpDetail, P::NetWare, P::AppleTalk, P::Snmp,
                                           P::RemotePower, P::PrintLog, P::Link, P::MailNotice, P::Information}));
  NicFacts noMail = all;
  noMail.printerFamily = 2;
  EXPECT_EQ(PagesFor(noMail).size(), 10u);
}

TEST(PagePlan, AnAttributeNicShowsOnlyTheProtocolPagesItsCapabilityNames) {
  EXPECT_EQ(PagesFor({0x20 | 0x40, false, "NRV FastEthernet/1", true, 0, false}),
            (std::vector<P>{P::LanBoard, P::TcpIp, P::NetWare}));
}

TEST(PagePlan, RemotePowerWantsOneCharacterThenOneAfterTheMark) {
  EXPECT_TRUE(SupportsRemotePower("NRV FastEthernet-1"));
  EXPECT_TRUE(SupportsRemotePower("x NRV FastEthernet 2 NRV FastEthernet 1"));
  EXPECT_FALSE(SupportsRemotePower("NRV FastEthernet1"));
  EXPECT_FALSE(SupportsRemotePower("NRV FastEthernet-"));
  EXPECT_FALSE(SupportsRemotePower("NRV Ethernet-1"));
  EXPECT_STREQ(LookOf(P::MailNotice).caption, "メール通知");
  EXPECT_EQ(LookOf(P::Information).dialog, 116);
}

}  // namespace
}  // namespace nic

namespace nic {
namespace {

TEST(PagePlanFacts, TheImageOfAReadTellsKindDescriptionAndMailItem) {
  AttributeRecord attributes;
  SetByteAttribute(attributes, tag::kCapabilities, 0x20);
  SetTextAttribute(attributes, tag::kDescription, "NRV FastEthernet 1");
  ConfigItemList items;
  SetConfigByte(items, 80, 1);
  NicFacts facts = FactsOf(SettingsFromReply(&attributes, nullptr, &items, true), 1);
  EXPECT_TRUE(facts.commandNic);
  EXPECT_EQ(facts.description, "NRV FastEthernet 1");
  EXPECT_TRUE(facts.hasMailItem);
  EXPECT_EQ(PagesFor(facts),
            (std::vector<SettingPage>{SettingPage::LanBoard, SettingPage::TcpIp, SettingPage::TcpIpDetail,
                                      SettingPage::Snmp, SettingPage::RemotePower, SettingPage::PrintLog,
                                      SettingPage::Link, SettingPage::MailNotice, SettingPage::Information}));
  // Item 80 counts only when command 2 was answered.
  facts = FactsOf(SettingsFromReply(&attributes, nullptr, nullptr, false), 1);
  EXPECT_FALSE(facts.hasMailItem);
  EXPECT_EQ(facts.capability, 0x20);
}

}  // namespace
}  // namespace nic
