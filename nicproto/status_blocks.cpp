#include "nicproto/status_blocks.h"

namespace nic {
namespace {

// Digits and upper-case letters read as usual; any other character reads as
// its code minus 87, which is right for 'a'-'f' and merely wrong for garbage.
int Nibble(char c) {
  const int code = static_cast<unsigned char>(c);
  if (c >= '0' && c <= '9') return code - '0';
  if (c >= 'A' && c <= 'F') return code - 'A' + 10;
  return code - 87;
}

// Reads fields left to right and remembers whether one ran short.
class BlockReader {
 public:
  BlockReader(const char* text, std::size_t length) : text_(text), length_(length) {}

  bool Byte(std::uint8_t& value) {
    if (!ok_ || length_ - pos_ < 2) return ok_ = false;
    value = static_cast<std::uint8_t>(Nibble(text_[pos_]) * 16 + Nibble(text_[pos_ + 1]));
    pos_ += 2;
    return true;
  }

  bool Word(std::uint16_t& value) {
    std::uint8_t low = 0, high = 0;
    if (length_ - pos_ < 4 || !ok_) return ok_ = false;
    Byte(low);
    Byte(high);
    value = static_cast<std::uint16_t>(low | (high << 8));
    return true;
  }

  bool Dword(std::uint32_t& value) {
    std::uint16_t low = 0, high = 0;
    if (length_ - pos_ < 8 || !ok_) return ok_ = false;
    Word(low);
    Word(high);
    value = low | (std::uint32_t{high} << 16);
    return true;
  }

  template <std::size_t N>
  bool Bytes(std::uint8_t (&values)[N]) {
    for (std::uint8_t& v : values) {
      if (!Byte(v)) return false;
    }
    return true;
  }

  // Reads `count` entries, keeping the first kMaxBlockEntries.
  template <typename Entry>
  bool Entries(std::size_t count, Entry (&entries)[kMaxBlockEntries]) {
    Entry scratch{};
    for (std::size_t i = 0; i < count; ++i) {
      if (!Bytes(i < kMaxBlockEntries ? entries[i].bytes : scratch.bytes)) return false;
    }
    return true;
  }

  bool ok() const { return ok_; }

 private:
  const char* text_;
  std::size_t length_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace

bool DecodeExtStatus(const char* text, std::size_t length, ExtStatusBlock& b) {
  BlockReader r(text, length);
  r.Dword(b.alarmBits) && r.Word(b.word4) && r.Dword(b.dword8) && r.Byte(b.paperSource) &&
      r.Byte(b.byte13) && r.Byte(b.printerSpecific) && r.Byte(b.entryCount) &&
      r.Entries(b.entryCount, b.entries);
  return r.ok();
}

bool DecodeAdvancedInfo(const char* text, std::size_t length, int entryCountOverride,
                        AdvancedInfoBlock& b) {
  BlockReader r(text, length);
  if (r.Dword(b.alarmBits) && r.Word(b.word4) && r.Dword(b.dword8) && r.Bytes(b.bytes12) &&
      r.Byte(b.entryCount)) {
    if (entryCountOverride >= 0) b.entryCount = static_cast<std::uint8_t>(entryCountOverride);
    r.Entries(b.entryCount, b.entries) && r.Byte(b.unitCount) && r.Entries(b.unitCount, b.units);
  }
  return r.ok();
}

bool DecodeAdvancedInfo2(const char* text, std::size_t length, AdvancedInfo2Block& b) {
  BlockReader r(text, length);
  r.Dword(b.dword0) && r.Byte(b.byte4) && r.Byte(b.byte5) && r.Word(b.word6) && r.Word(b.word8) &&
      r.Byte(b.byte10) && r.Word(b.words12[0]) && r.Word(b.words12[1]) && r.Word(b.words12[2]) &&
      r.Word(b.words12[3]) && r.Byte(b.byte20) && r.Byte(b.byte21) && r.Word(b.word22) &&
      r.Word(b.word24) && r.Byte(b.byte26) && r.Byte(b.byte27);
  return r.ok();
}

}  // namespace nic
