#include "nicconf/sheets/core/page_plan.h"

#include <gtest/gtest.h>

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
