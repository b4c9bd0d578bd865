#include "alertmail/core/iso2022jp.h"

#include <utility>

namespace alertmail {
namespace {

constexpr std::string_view kToJisX0208 = "\x1B$B";
constexpr std::string_view kToAscii = "\x1B(B";

// ASCII and half-width katakana; every other byte leads a double-byte
// character.
bool IsSingleByte(unsigned char byte) { return byte < 0x80 || (byte >= 0xA0 && byte <= 0xDF); }

// Each lead byte covers two rows; a trail byte in the lower half of its
// range (0x40-0x9E, skipping 0x7F) picks the odd row, in the upper half
// (0x9F-0xFC) the even one. Bytes outside Shift_JIS go through the same
// arithmetic, so nothing is dropped silently.
void AppendJisCode(unsigned char lead, unsigned char trail, std::string& out) {
  unsigned row = (lead - (lead <= 0x9F ? 0x70u : 0xB0u)) * 2;
  unsigned cell = trail - 0x7Eu;
  if (trail < 0x9F) {
    --row;
    cell = trail - (trail > 0x7F ? 0x20u : 0x1Fu);
  }
  out += static_cast<char>(row & 0xFFu);
  out += static_cast<char>(cell & 0xFFu);
}

// A lead byte with no trail byte left is dropped: half a character has no
// JIS code, and copying it would put an eighth bit into a 7-bit text.
std::string Convert(std::string_view text) {
  std::string result;
  bool inRun = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsSingleByte(byte)) {
      if (std::exchange(inRun, false)) result += kToAscii;
      result += text[i];
    } else if (i + 1 < text.size()) {
      if (!std::exchange(inRun, true)) result += kToJisX0208;
      AppendJisCode(byte, static_cast<unsigned char>(text[++i]), result);
    }
  }
  if (inRun) result += kToAscii;
  return result;
}

}  // namespace

bool ToIso2022Jp(std::string_view shiftJis, std::size_t capacity, std::string& out) {
  // Converted before `out` is touched, so the text may be a view into it.
  std::string converted = Convert(shiftJis);
  if (converted.size() >= capacity) {
    out.clear();
    return false;
  }
  out = std::move(converted);
  return true;
}

}  // namespace alertmail
