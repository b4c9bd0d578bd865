#pragma once
// Cutting Shift_JIS text to a byte limit without splitting a double-byte
// character, whose lone lead byte would spoil the converted mail.

#include <cstddef>
#include <string_view>

namespace rmmmodel {

// The length of the longest prefix of `text` within `limit` bytes that ends
// on a character boundary.
std::size_t ShiftJisPrefixLength(std::string_view text, std::size_t limit);

}  // namespace rmmmodel
