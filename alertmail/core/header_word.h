#pragma once
// A header text for the mail (a name or a subject). A text with no ESC "$B"
// (ASCII, as the administrator typed it) is copied unchanged. A text with
// any double-byte run is written whole as encoded words
// "=?ISO-2022-JP?B?" + Base64 + "?=", separated by single spaces: each word
// carries a piece of the text that stands on its own (it opens with ESC "$B"
// when it starts inside a run and goes back to ASCII at its end), no word is
// longer than 75 characters, and a double-byte character is never split.
// Readers drop the spaces between encoded words, so every character the
// administrator typed, spaces included, travels inside the words, and the
// text reads back exactly as it was written.

#include <cstddef>
#include <string>
#include <string_view>

namespace alertmail {

// The longest encoded word a header may hold.
inline constexpr std::size_t kEncodedWordLimit = 75;

// False, with `out` left empty, when the result and its terminating zero
// would not fit in `capacity` bytes.
bool EncodeHeaderWord(std::string_view iso2022jp, std::size_t capacity, std::string& out);

// Standard Base64 with '=' padding.
std::string Base64(std::string_view bytes);

}  // namespace alertmail
