#include "nicconf/sheets/core/printer_options.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

std::string Row(const OptionRow& row) { return row.name + "|" + row.state + "|" + row.size; }

std::vector<std::string> Rows(const StatusRecord& status) {
  std::vector<std::string> rows;
  for (const OptionRow& row : PrinterOptions(status)) rows.push_back(Row(row));
  return rows;
}

TEST(PrinterOptions, AStatusWithoutTheAdvancedBlocksSaysNothingIsKnown) {
  const StatusRecord status{};
  EXPECT_EQ(Rows(status), (std::vector<std::string>{
                              "ハードディスク|不明|", "メモリサイズ|不明|", "オフセットトレイ|不明|",
                              "両面印刷ユニット|不明|", "ソータユニット|不明|", "メ－ルボックス|不明|",
                              "フィニッシャ|不明|", "フェイスアップトレイ|不明|"}));
}

TEST(PrinterOptions, SizesAndUnitsComeFromTheAdvancedBlocks) {
  StatusRecord status{};
  status.advInfo2Valid = true;
  status.advInfo2.dword0 = 16384;
  status.advInfo2.word6 = 540;
  status.advInfoValid = true;
  status.advInfo.unitCount = 5;
  status.advInfo.units[0] = {{1, 2, 0}};  // sorter
  status.advInfo.units[1] = {{2, 0, 0}};  // no duplex unit
  status.advInfo.units[2] = {{4, 2, 0}};  // mailbox, so no offset tray
  status.advInfo.units[4] = {{5, 2, 0}};  // face-up tray
  EXPECT_EQ(Rows(status), (std::vector<std::string>{
                              "ハードディスク|装着|540MB", "メモリサイズ||16384KB", "オフセットトレイ|未装着|",
                              "両面印刷ユニット|未装着|", "ソータユニット|装着|", "メ－ルボックス|装着|",
                              "フィニッシャ|未装着|", "フェイスアップトレイ|装着|"}));

  // A unit past the count the block gives is not fitted; no disk is no size.
  status.advInfo.unitCount = 4;
  status.advInfo2.word6 = 0;
  const auto rows = PrinterOptions(status);
  EXPECT_EQ(Row(rows[0]), "ハードディスク|未装着|");
  EXPECT_EQ(Row(rows[7]), "フェイスアップトレイ|未装着|");
}

}  // namespace
}  // namespace nic
