#pragma once
// A header text for the mail: every ISO-2022-JP run from ESC "$B" to the
// next ESC "(B" (or the end) becomes "=?ISO-2022-JP?B?" + Base64 + "?=";
// text outside the runs is copied, so a plain ASCII name stays as it is.

#include <cstddef>
#include <string>
#include <string_view>

namespace alertmail {

// False, with `out` left empty, when the result and its terminating zero
// would not fit in `capacity` bytes.
bool EncodeHeaderWord(std::string_view iso2022jp, std::size_t capacity, std::string& out);

// Standard Base64 with '=' padding.
std::string Base64(std::string_view bytes);

}  // namespace alertmail
