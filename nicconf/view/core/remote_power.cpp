#include "nicconf/view/core/remote_power.h"

#include <algorithm>
#include <cstring>

#include "nicconf/view/core/status_dialog_content.h"

namespace nic {

std::vector<PrinterRecord> PowerCandidates(std::span<const PrinterRecord> listed) {
  std::vector<PrinterRecord> candidates;
  for (const PrinterRecord& r : listed)
    if (std::strcmp(r.protocol, "TCP/IP") == 0 && RemotePowerByMac(r.mac)) candidates.push_back(r);
  return candidates;
}

std::string NoPowerPrinterText(PowerDirection direction) {
  return direction == PowerDirection::On ? "リモート電源オンできるプリンタがありません。"
                                         : "リモート電源オフできるプリンタがありません。";
}

std::string PowerDialogTitle(PowerDirection direction) {
  return direction == PowerDirection::On ? "リモート電源オン" : "リモート電源オフ";
}

std::string PowerDialogLabel(PowerDirection direction) {
  return PowerDialogTitle(direction) + "するプリンタを選択してください。";
}

void SortPowerRows(std::vector<PrinterRecord>& rows, ListSort sort) {
  const ListColumn column = sort.direction == 0 ? ListColumn::Name : sort.column;
  const int direction = sort.direction == 0 ? 1 : sort.direction;
  std::stable_sort(rows.begin(), rows.end(), [&](const PrinterRecord& a, const PrinterRecord& b) {
    return CompareByColumn(a, b, column) * direction < 0;
  });
}

PowerOffVerdict CheckPowerOff(int refusedItem, std::uint8_t portStatus, int inAlarmItem) {
  if (refusedItem == 1) return PowerOffVerdict::Refused;
  if ((portStatus & 0x01) != 0 && inAlarmItem == 0) return PowerOffVerdict::InAlarm;
  return PowerOffVerdict::Ask;
}

std::string PowerOffRefusalText(PowerOffVerdict verdict) {
  switch (verdict) {
    case PowerOffVerdict::Refused:
      return "LAN ボードでリモート電源オフ要求が無効になっています。\nプロパティで設定を変更してから再度実行してください。";
    case PowerOffVerdict::InAlarm:
      return "プリンタでアラームが発生しているため、リモート電源オフ要求が行えません。\nアラームを解除してから再度実行してください。";
    case PowerOffVerdict::Ask: return "";
  }
  return "";
}

std::string PowerOffQuestion(const PrinterRecord& printer, int waitSeconds) {
  return std::string(printer.name) + " (" + printer.ip + ")のリモート電源オフの待ち時間は " +
         std::to_string(waitSeconds) + " 秒に設定されています。\nリモート電源オフを行いますか？";
}

}  // namespace nic
