#include <cstdio>
#include <iterator>

#include "common/bounded_text.h"
#include "nicproto/status_interpretation.h"

namespace nic {
namespace {

// Indexed by the paper size code the printer reports.
const char* const kPaperSizes[] = {
    "不明(00)", "レター", "リーガル", "A4", "B5",                          // 0
    "B5", "Statement", "不明(07)", "不明(08)", "A5",                       // 5
    "不明(10)", "不明(11)", "不明(12)", "ユニバーサル", "不明(14)",        // 10
    "不明(15)", "ユニバーサル", "ハガキ", "A3", "B4",                      // 15
    "A4", "B5", "B5", "B4", "レター",                                      // 20
    "A5", "不明(26)", "不明(27)", "不明(28)", "不明(29)",                  // 25
    "不明(30)", "Executive", "Ledger", "COM10 Envelope", "Monarch Envelope",  // 30
    "C5 Envelope", "DL Envelope", "B5 Envelope", "C6 Envelope", "不明(39)",  // 35
};

constexpr std::size_t kSourcesPerFamily = 8;

// One row per printer family, indexed by the selected paper source.
const char* const kSourceNames[][kSourcesPerFamily] = {
    {"手差し／トレー", "ホッパ１", "ホッパ２", "ホッパ３", "マルチシートフィーダ", "封筒フィーダ", "不明(06)", ""},
    {"手差し／トレー", "ホッパ１", "ホッパ２", "ホッパ３", "マルチシートフィーダ", "ホッパ４", "ホッパ５", "封筒フィーダ"},
    {"手差し", "シートフィーダ(ホッパ１)", "シートフィーダ(ホッパ２）", "リアトラクタ", "フロントトラクタ", "トップトラクタ", "不明(27)", ""},
    {"不明(41)", "不明(42)", "不明(43)", "不明(44)", "不明(45)", "トラクタフィーダ", "不明(47)", ""},
    {"不明(81)", "不明(82)", "不明(83)", "不明(84)", "不明(85)", "不明(86)", "不明(87)", ""},
    {"不明(A1)", "不明(A2)", "不明(A3)", "不明(A4)", "不明(A5)", "不明(A6)", "不明(A7)", ""},
    {"不明(C1)", "不明(C2)", "不明(C3)", "不明(C4)", "不明(C5)", "不明(C6)", "不明(C7)", ""},
};

// Impact printers of this family feed continuous forms where others take
// universal-size sheets.
constexpr int kContinuousFamily = 3;
constexpr std::uint32_t kContinuousCode = 13;

const char* SourceName(int family, int sourceIndex) {
  if (sourceIndex < 0 || sourceIndex >= static_cast<int>(kSourcesPerFamily)) return "";
  return kSourceNames[family][sourceIndex];
}

const char* SizeName(int family, std::uint32_t code) {
  if (family == kContinuousFamily && code == kContinuousCode) return "連続紙";
  return kPaperSizes[code];
}

}  // namespace

void GetPaperNames(int sourceIndex, std::uint8_t printerSpecific, std::uint32_t paperSizeCode,
                   PaperNames& names) {
  const int family = PrinterFamily(printerSpecific);
  if (family < 0) {
    std::snprintf(names.source, sizeof names.source, "ubPrinterSpecific(0x%0x) Error",
                  static_cast<unsigned>(printerSpecific));
    CopyBoundedText(names.size, "");
  } else if (paperSizeCode >= std::size(kPaperSizes)) {
    CopyBoundedText(names.source, "");
    std::snprintf(names.size, sizeof names.size, "ubDesiredPaperSize(0x%0x) Error",
                  static_cast<unsigned>(paperSizeCode));
  } else {
    CopyBoundedText(names.source, SourceName(family, sourceIndex));
    CopyBoundedText(names.size, SizeName(family, paperSizeCode));
  }
}

}  // namespace nic
