#include "nicconf/wizard/core/found_printers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/bounded_text.h"

namespace nic {
namespace {

FoundNic Found(const char* name, const char* mac, const char* description = "NRV FastEthernet 1") {
  FoundNic nic{};
  CopyBoundedText(nic.name, name);
  CopyBoundedText(nic.mac, mac);
  CopyBoundedText(nic.ip, "127.0.0.5");
  CopyBoundedText(nic.model, "LP-9800C");
  CopyBoundedText(nic.description, description);
  return nic;
}

PrinterRecord Listed(const char* mac) {
  PrinterRecord r{};
  CopyBoundedText(r.mac, mac);
  return r;
}

TEST(FoundPrinters, ATcpIpNicIsKeptOnceOnlyOfThisMakerAndNotWhenListed) {
  const PrinterRecord listed[] = {Listed("00:80:87:00:00:01")};
  std::vector<PrinterRecord> kept;
  EXPECT_TRUE(KeepTcpIpFound(Found("A", "00:80:87:00:00:02"), listed, kept));
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_STREQ(kept[0].name, "A");
  EXPECT_STREQ(kept[0].model, "LP-9800C");
  EXPECT_STREQ(kept[0].ip, "127.0.0.5");
  EXPECT_STREQ(kept[0].netnum, "00000000");
  EXPECT_STREQ(kept[0].protocol, "TCP/IP");
  EXPECT_STREQ(kept[0].status, "");
  // Kept already under the other case of its MAC, listed, found twice,
  // another maker's.
  std::vector<PrinterRecord> already{Listed("00:80:87:00:00:0A")};
  EXPECT_FALSE(KeepTcpIpFound(Found("B", "00:80:87:00:00:0a"), {}, already));
  kept.clear();
  EXPECT_FALSE(KeepTcpIpFound(Found("B", "00:80:87:00:00:01"), listed, kept));
  EXPECT_TRUE(KeepTcpIpFound(Found("C", "00:80:87:00:00:03"), listed, kept));
  EXPECT_FALSE(KeepTcpIpFound(Found("C", "00:80:87:00:00:03"), listed, kept));
  EXPECT_FALSE(KeepTcpIpFound(Found("D", "00:11:22:00:00:04", "Other Corp. NIC"), listed, kept));
  EXPECT_EQ(kept.size(), 1u);
}

TEST(FoundPrinters, ANetWareNicTakesItsNetworkAndProtocol) {
  ipx::Result found{};
  CopyBoundedText(found.network, "0000003C");
  CopyBoundedText(found.mac, "00:80:87:22:00:09");
  CopyBoundedText(found.name, "NETWARE");
  std::vector<PrinterRecord> kept;
  EXPECT_TRUE(KeepNetWareFound(found, {}, kept));
  EXPECT_FALSE(KeepNetWareFound(found, {}, kept));
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_STREQ(kept[0].netnum, "0000003C");
  EXPECT_STREQ(kept[0].protocol, "NetWare");
}

std::vector<PrinterRecord> ThreeKept() {
  std::vector<PrinterRecord> kept;
  for (const char* mac : {"00:80:87:00:00:01", "00:80:87:00:00:02", "00:80:87:00:00:03"})
    KeepTcpIpFound(Found(mac + 15, mac), {}, kept);
  return kept;
}

TEST(FoundPrinters, TheChosenRowsAreMovedToTheFrontInListOrder) {
  std::vector<PrinterRecord> kept = ThreeKept();
  const ChosenRow rows[] = {{"03", "00:80:87:00:00:03"}, {"01", "00:80:87:00:00:01"}};
  EXPECT_EQ(TakeChosen(kept, rows, 5), ChoiceRefusal::None);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_STREQ(kept[0].name, "03");
  EXPECT_STREQ(kept[1].name, "01");
}

// With 63 printers listed there is room for one.
TEST(FoundPrinters, NoChoiceOrTooManyIsRefusedAndKeepsTheResults) {
  std::vector<PrinterRecord> kept = ThreeKept();
  const ChosenRow two[] = {{"01", "00:80:87:00:00:01"}, {"02", "00:80:87:00:00:02"}};
  EXPECT_EQ(TakeChosen(kept, two, 1), ChoiceRefusal::NoRoom);
  EXPECT_EQ(RefusalText(ChoiceRefusal::NoRoom, 1),
            "登録可能なプリンタ数を越えています。 登録できるプリンタは、残り 1 台です。");
  EXPECT_EQ(TakeChosen(kept, {}, 1), ChoiceRefusal::NothingChosen);
  EXPECT_EQ(RefusalText(ChoiceRefusal::NothingChosen, 1), "予期せぬエラー(105)");
  EXPECT_EQ(kept.size(), 3u);
}

}  // namespace
}  // namespace nic
