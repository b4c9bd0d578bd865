#include "nicconf/sheets/core/flow_rules.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

TEST(FlowRules, AFlowStartsOnlyOverATransportThatIsThere) {
  const FlowTransports both{true, true, "192.168.1.2"};
  EXPECT_EQ(FlowPrecondition("TCP/IP", both), "");
  EXPECT_EQ(FlowPrecondition("NetWare", both), "");
  EXPECT_EQ(FlowPrecondition("AppleTalk", both), "プリンタと通信できません。(129)");
  EXPECT_EQ(FlowPrecondition("NetWare", {true, false, ""}),
            "NetWare プリンタと通信できません。\nNetWare プロトコルの設定を確認してください。");
  const std::string tcp = "TCP/IP プリンタと通信できません。\nTCP/IP プロトコルの設定を確認してください。";
  EXPECT_EQ(FlowPrecondition("TCP/IP", {false, true, ""}), tcp);
  EXPECT_EQ(FlowPrecondition("TCP/IP", {true, true, "Invalid"}), tcp);
  EXPECT_EQ(FlowPrecondition("TCP/IP", {true, true, ""}), "");  // looked up first
}

TEST(FlowRules, EveryEndCodeHasItsMessage) {
  EXPECT_EQ(EndCodeMessage({kFinished, 0}), "");
  EXPECT_EQ(EndCodeMessage({kCancelled, 0}), "");
  for (std::uint32_t code : {4u, 5u, 8u, 9u})
    EXPECT_EQ(EndCodeMessage({code, 10054}), "プリンタと通信できません。(135-10054)") << code;
  for (std::uint32_t code : {6u, 10u, 11u}) EXPECT_EQ(EndCodeMessage({code, 0}), "プリンタと通信できません。(136)");
  EXPECT_EQ(EndCodeMessage({kTimedOut, 0}), "プリンタから応答が有りません。");
  EXPECT_EQ(EndCodeMessage({kNotAdministrator, 0}), "プリンタと通信できません。 Windows NT の管理者権限が必要です。");
  EXPECT_EQ(EndCodeMessage({kRequestNotBuilt, 12}), "プリンタと通信できません。(137-12)");
  EXPECT_EQ(EndCodeMessage({99, 5}), "プリンタと通信できません。(137-5)");
  EXPECT_EQ(OtherPrinterMessage("PRN2"),
            "他のプリンタから応答がありました。\nこの IP アドレスは他のプリンタ（PRN2）に割り当てられています。");
}

}  // namespace
}  // namespace nic
