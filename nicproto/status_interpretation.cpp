#include "nicproto/status_interpretation.h"

#include <bit>
#include <optional>

namespace nic {
namespace {

constexpr std::uint32_t kOfflineBit = 1u << 8;
constexpr std::uint32_t kPaperOutBit = 1u << 9;
constexpr std::uint32_t kPrintActivityMask = 0xFF;

// Alarm bits both status blocks share.
constexpr int kTonerLow = 25;

// In the extended block.
constexpr int kExtendedPrinting = 30;

// In the advanced block.
constexpr int kManualFeed = 15;
constexpr int kOffline = 28;
constexpr int kProcessing = 29;
constexpr int kReceiving = 30;
constexpr int kPrinting = 31;

constexpr std::uint32_t Bits(int from, int to) {
  return (to == 31 ? ~0u : (1u << (to + 1)) - 1) & ~((1u << from) - 1);
}

bool IsOffline(const StatusWords& words) { return (words.nicWord & kOfflineBit) != 0; }
bool IsPaperOut(const StatusWords& words) { return (words.nicWord & kPaperOutBit) != 0; }
bool IsPrinting(const StatusWords& words) { return (words.nicWord & kPrintActivityMask) != 0; }
bool HasBit(std::uint32_t word, int bit) { return (word >> bit & 1u) != 0; }

StatusMessage Basic(BasicState state) { return BasicStateEntry(state); }

StatusMessage BasicRule(const StatusWords& words) {
  if (IsPaperOut(words)) return Basic(BasicState::PaperOut);
  if (IsOffline(words)) return Basic(BasicState::Offline);
  if (IsPrinting(words)) return Basic(BasicState::Printing);
  return Basic(BasicState::Ready);
}

int LowestBit(std::uint32_t word) { return std::countr_zero(word); }

// Families 1 to 3 have their own variant; every other family, and none, use
// variant 0.
int ExtendedVariant(int family) { return family >= 1 && family <= 3 ? family : 0; }

StatusMessage ExtendedRule(const StatusWords& words, int family) {
  const std::uint32_t alarms = words.extAlarmBits;
  if (alarms == 0) return BasicRule(words);
  int bit = LowestBit(alarms);
  if (bit == kTonerLow) {
    // Toner low gives way to offline, to the state bits above it and to printing.
    if (IsOffline(words)) return Basic(BasicState::Offline);
    const std::uint32_t above = alarms & Bits(26, 31);
    if (above != 0) {
      bit = LowestBit(above);
    } else if (IsPrinting(words)) {
      return Basic(BasicState::Printing);
    }
  }
  if (bit == kExtendedPrinting) {
    if (IsOffline(words)) return Basic(BasicState::Offline);
    if (IsPrinting(words)) return Basic(BasicState::Printing);
  }
  return ExtendedAlarmEntry(bit + 32 * ExtendedVariant(family));
}

bool IsPaperOutPicture(std::uint32_t picture) {
  switch (picture) {
    case 3: case 4: case 5: case 6: case 7: case 19: case 20:
      return true;
    default:
      return false;
  }
}

// Impact printers are drawn with the page printers' pictures: their sheet
// feeders as hopper 1, their tractors as hopper 3.
StatusMessage AdjustPaperOutPicture(StatusMessage message, int family, std::uint32_t source) {
  if (!IsPaperOutPicture(message.pictureCode)) return message;
  if (family == 2) {
    if (source == 1 || source == 2) {
      message.pictureCode = 5;
    } else if (source >= 3 && source <= 5) {
      message.pictureCode = 7;
    } else {
      message.pictureCode = 3;
    }
  } else if (family == 3) {
    message.pictureCode = 7;
  }
  return message;
}

// Printer alarms first, then the printing state, then the lesser states.
std::optional<int> ChooseAdvancedBit(std::uint32_t alarms) {
  if ((alarms & Bits(0, 23)) != 0) return LowestBit(alarms & Bits(0, 23));
  if (HasBit(alarms, kPrinting)) return kPrinting;
  if ((alarms & Bits(24, 30)) != 0) return LowestBit(alarms & Bits(24, 30));
  return std::nullopt;
}

// The paper-out bit of each selected paper source; sources 0 and 4 (manual
// feed and multi-sheet feeder) have none.
std::optional<int> SourcePaperOutBit(std::uint32_t source) {
  switch (source) {
    case 1: return 12;
    case 2: return 13;
    case 3: return 14;
    case 5: return 16;
    case 6: return 17;
    default: return std::nullopt;
  }
}

// The printer reports every empty hopper, but only the one that feeds the
// current job stops printing.
std::optional<int> PaperOutStep(std::uint32_t alarms, int bit, const StatusWords& words) {
  if ((alarms & Bits(0, 11)) != 0 || (alarms & Bits(12, 17)) == 0) return bit;
  const std::uint32_t source = words.paperSource;
  if ((HasBit(alarms, kManualFeed) && source == 0) || (bit == kManualFeed && source == 4)) {
    return kManualFeed;
  }
  const std::optional<int> sourceBit = SourcePaperOutBit(source);
  if (sourceBit && HasBit(alarms, *sourceBit) && IsPaperOut(words)) return *sourceBit;
  return ChooseAdvancedBit(alarms & ~Bits(0, 17));
}

// Toner low is a warning while the printer works on: the state bits above it
// say more, and offline says most.
int TonerLowStep(std::uint32_t alarms, const StatusWords& words) {
  if (IsOffline(words)) return kOffline;
  return ChooseAdvancedBit(alarms & ~Bits(0, 25)).value_or(kTonerLow);
}

StatusMessage AdvancedRule(const StatusWords& words, int family) {
  const std::uint32_t alarms = words.advAlarmBits;
  std::optional<int> bit = ChooseAdvancedBit(alarms);
  if (!bit) return BasicRule(words);
  bit = PaperOutStep(alarms, *bit, words);
  if (bit == kTonerLow) bit = TonerLowStep(alarms, words);
  // Bit 31 outranks 29 and 30 in every choice, so a chosen 29 or 30 means
  // bit 31 is clear: there is no printing entry to prefer here.
  if (bit == kProcessing || bit == kReceiving) {
    if (IsPaperOut(words)) return Basic(BasicState::PaperOut);
    if (IsOffline(words)) bit = kOffline;
  }
  if (!bit) {
    if (!IsOffline(words)) return Basic(BasicState::Ready);
    bit = kOffline;
  }
  return AdvancedAlarmEntry(*bit + (family == 1 ? 32 : 0));
}

}  // namespace

int PrinterFamily(std::uint8_t printerSpecific) {
  const int nibble = printerSpecific >> 4;
  if (nibble % 2 != 0 || nibble > 0xC) return -1;
  return nibble / 2;
}

StatusMessage InterpretStatus(const StatusWords& words, int family) {
  if (words.attrReceived == 0) return Basic(BasicState::NoResponse);
  if (words.advInfoValid != 0) return AdvancedRule(words, family);
  if (words.extStatusValid != 0) {
    return AdjustPaperOutPicture(ExtendedRule(words, family), family, words.paperSource);
  }
  return BasicRule(words);
}

}  // namespace nic
