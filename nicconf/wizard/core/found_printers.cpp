#include "nicconf/wizard/core/found_printers.h"

#include <algorithm>
#include <cstring>

#include "common/bounded_text.h"
#include "nicproto/mac_text.h"

namespace nic {
namespace {

constexpr char kMaker[] = "NRV";

bool HasMac(std::span<const PrinterRecord> records, const char* mac) {
  return std::any_of(records.begin(), records.end(),
                     [&](const PrinterRecord& r) { return CompareMacText(r.mac, mac) == 0; });
}

bool IsNew(std::span<const PrinterRecord> listed, const std::vector<PrinterRecord>& kept, const char* mac) {
  return mac[0] != '\0' && !HasMac(listed, mac) && !HasMac(kept, mac);
}

}  // namespace

bool KeepTcpIpFound(const FoundNic& found, std::span<const PrinterRecord> listed,
                    std::vector<PrinterRecord>& kept) {
  if (std::strstr(found.description, kMaker) == nullptr || !IsNew(listed, kept, found.mac)) return false;
  PrinterRecord record{};
  CopyBoundedText(record.name, found.name);
  CopyBoundedText(record.model, found.model);
  CopyBoundedText(record.mac, found.mac);
  CopyBoundedText(record.ip, found.ip);
  CopyBoundedText(record.netnum, "00000000");
  CopyBoundedText(record.protocol, "TCP/IP");
  kept.push_back(record);
  return true;
}

bool KeepNetWareFound(const ipx::Result& found, std::span<const PrinterRecord> listed,
                      std::vector<PrinterRecord>& kept) {
  if (!IsNew(listed, kept, found.mac)) return false;
  PrinterRecord record{};
  CopyBoundedText(record.netnum, found.network);
  CopyBoundedText(record.mac, found.mac);
  CopyBoundedText(record.ip, found.ip);
  CopyBoundedText(record.name, found.name);
  CopyBoundedText(record.protocol, "NetWare");
  kept.push_back(record);
  return true;
}

ChoiceRefusal TakeChosen(std::vector<PrinterRecord>& kept, std::span<const ChosenRow> rows, int room) {
  if (rows.empty()) return ChoiceRefusal::NothingChosen;
  if (static_cast<int>(rows.size()) > room) return ChoiceRefusal::NoRoom;
  std::vector<PrinterRecord> chosen;
  for (const ChosenRow& row : rows) {
    const auto match = std::find_if(kept.begin(), kept.end(), [&](const PrinterRecord& r) {
      return row.name == r.name && CompareMacText(row.mac.c_str(), r.mac) == 0;
    });
    if (match != kept.end()) chosen.push_back(*match);
  }
  if (chosen.empty()) return ChoiceRefusal::NothingChosen;
  kept = std::move(chosen);
  return ChoiceRefusal::None;
}

std::string RefusalText(ChoiceRefusal refusal, int room) {
  switch (refusal) {
    case ChoiceRefusal::NothingChosen: return "予期せぬエラー(105)";
    case ChoiceRefusal::NoRoom:
      return "登録可能なプリンタ数を越えています。 登録できるプリンタは、残り " + std::to_string(room) + " 台です。";
    default: return "";
  }
}

}  // namespace nic
