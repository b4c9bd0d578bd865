#pragma once
// Mail text goes out as ISO-2022-JP: Shift_JIS single-byte characters (ASCII
// and half-width katakana) are copied, each run of double-byte characters is
// written as JIS X 0208 codes between ESC "$B" and ESC "(B".

#include <cstddef>
#include <string>
#include <string_view>

namespace alertmail {

// Converts `shiftJis`; false, with `out` left empty, when the result and its
// terminating zero would not fit in `capacity` bytes.
bool ToIso2022Jp(std::string_view shiftJis, std::size_t capacity, std::string& out);

}  // namespace alertmail
