#include "tools/nicsim/status_text_builder.h"

#include <cstdint>

namespace nicsim {
namespace {

// Three paper sources, the first two installed: enough for the picture to
// show a cassette and leave one slot empty.
constexpr int kPaperSourceEntries = 3;
constexpr int kInstalledPaperSources = 2;
constexpr int kOptionUnits = 2;

// The blocks are little-endian byte sequences, each byte two upper-case hex
// digits, high nibble first.
class HexBlock {
 public:
  void Byte(std::uint8_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text_ += kDigits[value >> 4];
    text_ += kDigits[value & 0x0F];
  }
  void Word(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value));
    Byte(static_cast<std::uint8_t>(value >> 8));
  }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

void PaperSourceEntries(HexBlock& block) {
  block.Byte(kPaperSourceEntries);
  for (int i = 0; i < kPaperSourceEntries; ++i) {
    block.Byte(static_cast<std::uint8_t>(i));
    block.Byte(i < kInstalledPaperSources ? 1 : 0);
    block.Word(0);
  }
}

void OptionUnitEntries(HexBlock& block) {
  block.Byte(kOptionUnits);
  for (int i = 0; i < kOptionUnits; ++i) {
    block.Byte(static_cast<std::uint8_t>(i + 1));
    block.Byte(i == 0 ? 2 : 0);
    block.Byte(0);
  }
}

}  // namespace

std::string ExtStatusHex(const SimNic& nic) {
  HexBlock block;
  block.Dword(nic.extAlarmBits);
  block.Word(0);
  block.Dword(0);
  block.Byte(nic.paperSource);
  block.Byte(0);
  block.Byte(nic.printerSpecific);
  PaperSourceEntries(block);
  return block.text();
}

std::string AdvancedInfoHex(const SimNic& nic) {
  HexBlock block;
  block.Dword(nic.advAlarmBits);
  block.Word(0);
  block.Dword(0);
  block.Byte(nic.paperSource);
  for (int i = 1; i < 13; ++i) block.Byte(0);
  PaperSourceEntries(block);
  OptionUnitEntries(block);
  return block.text();
}

// Memory size first, the hard disk in the word at byte 6, the rest zero:
// 27 bytes.
std::string AdvancedInfo2Hex(const SimNic& nic) {
  HexBlock block;
  block.Dword(nic.memoryKb);
  block.Byte(0);
  block.Byte(0);
  block.Word(nic.diskMb);
  for (int i = 8; i < 27; ++i) block.Byte(0);
  return block.text();
}

std::string BuildStatusText(const SimNic& nic) {
  if (!nic.statusText.empty()) return nic.statusText;
  std::string text = "MFG:NRV;CMD:ESCPL2,PJL;MDL:" + nic.model + ";CLS:PRINTER;EXTSTS:" +
                     ExtStatusHex(nic) + ";";
  if (nic.advancedInfo) text += "ADVINF:" + AdvancedInfoHex(nic) + ";";
  if (nic.memoryKb != 0 || nic.diskMb != 0) text += "ADVINF2:" + AdvancedInfo2Hex(nic) + ";";
  return text;
}

}  // namespace nicsim
