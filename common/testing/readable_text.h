#pragma once
// Shift_JIS texts as a test's failure output shows them: converted to UTF-8
// where the C library can, otherwise the bytes as \xNN; line feeds as \n.

#include <cstddef>
#include <string>

namespace testkit {

// At most `capacity` bytes of `text`, up to its first zero.
std::string Readable(const char* text, std::size_t capacity);

}  // namespace testkit
