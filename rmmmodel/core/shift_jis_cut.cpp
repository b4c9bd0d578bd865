#include "rmmmodel/core/shift_jis_cut.h"

#include <algorithm>

namespace rmmmodel {
namespace {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

std::size_t ShiftJisPrefixLength(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return std::min(end, text.size());  // a lead byte that ends the text stays
}

}  // namespace rmmmodel
