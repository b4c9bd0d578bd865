#pragma once
// Numbers carried as hexadecimal text: configuration items (upper-case digits,
// most significant pair first) and the status text's blocks (see
// status_blocks.h for their lenient digit rule).

#include <cstddef>
#include <cstdint>

namespace nic {

// 0..15 for '0'-'9', 'A'-'F', 'a'-'f'; -1 for anything else.
int HexDigitValue(char c);

// Reads exactly `digits` hex digits (at most 8), most significant first.
bool ReadHex(const char* text, std::size_t digits, std::uint32_t& value);

// Writes `digits` upper-case hex digits, most significant first (no zero byte).
void WriteHex(std::uint32_t value, std::size_t digits, char* text);

}  // namespace nic
