#include "common/shift_jis.h"

bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string CutShiftJis(std::string_view text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width = IsShiftJisLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > maxBytes || end + width > text.size()) break;
    end += width;
  }
  return std::string(text.substr(0, end));
}
