#pragma once
// Shift_JIS texts as the Japanese system writes them: a character is one
// byte, or a lead byte (0x81-0x9F, 0xE0-0xFC) and the byte after it.

#include <cstddef>
#include <string>
#include <string_view>

bool IsShiftJisLeadByte(unsigned char byte);

// At most `maxBytes` bytes of `text`, cut before a character that would not
// fit whole, so no lead byte is left without its partner.
std::string CutShiftJis(std::string_view text, std::size_t maxBytes);
