#include "nicconf/sheets/core/printer_options.h"

#include "nicproto/picture_flags.h"

namespace nic {
namespace {

constexpr char kFitted[] = "装着";
constexpr char kNotFitted[] = "未装着";
constexpr char kUnknown[] = "不明";

// The option units in the list's order, each with the picture flag that
// says it is installed.
struct Unit {
  const char* name;
  int flag;
};
constexpr Unit kUnits[] = {
    {"オフセットトレイ", 9}, {"両面印刷ユニット", 8}, {"ソータユニット", 7},
    {"メ－ルボックス", 10},  {"フィニッシャ", 14},    {"フェイスアップトレイ", 15},
};

// ADVINF2 carries the memory size in kilobytes in its first word and the
// hard disk's size in megabytes (0: none) in its 16-bit word at byte 6.
void AddSizes(const StatusRecord& status, std::vector<OptionRow>& rows) {
  if (!status.advInfo2Valid) {
    rows.push_back({"ハードディスク", kUnknown, ""});
    rows.push_back({"メモリサイズ", kUnknown, ""});
    return;
  }
  const unsigned disk = status.advInfo2.word6;
  rows.push_back({"ハードディスク", disk != 0 ? kFitted : kNotFitted,
                  disk != 0 ? std::to_string(disk) + "MB" : ""});
  rows.push_back({"メモリサイズ", "", std::to_string(status.advInfo2.dword0) + "KB"});
}

}  // namespace

std::vector<OptionRow> PrinterOptions(const StatusRecord& status) {
  std::vector<OptionRow> rows;
  AddSizes(status, rows);
  std::uint32_t flags[kPictureFlagCount];
  ComputePictureFlags(status, flags);
  for (const Unit& unit : kUnits) {
    const char* state = !status.advInfoValid ? kUnknown : flags[unit.flag] != 0 ? kFitted : kNotFitted;
    rows.push_back({unit.name, state, ""});
  }
  return rows;
}

}  // namespace nic
