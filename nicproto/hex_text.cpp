#include "nicproto/hex_text.h"

namespace nic {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool ReadHex(const char* text, std::size_t digits, std::uint32_t& value) {
  if (digits == 0 || digits > 8) return false;
  std::uint32_t result = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    const int nibble = HexDigitValue(text[i]);
    if (nibble < 0) return false;
    result = (result << 4) | static_cast<std::uint32_t>(nibble);
  }
  value = result;
  return true;
}

void WriteHex(std::uint32_t value, std::size_t digits, char* text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (std::size_t i = digits; i-- > 0; value >>= 4) text[i] = kDigits[value & 0xF];
}

}  // namespace nic
