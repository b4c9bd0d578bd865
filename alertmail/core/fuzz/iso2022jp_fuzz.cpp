// Any bytes as Shift_JIS text, behind two bytes of capacity; the text is an
// exact-size copy so that an overread past its end is caught.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "alertmail/core/iso2022jp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t capacity = data[0] | static_cast<std::size_t>(data[1]) << 8;
  const std::size_t length = size - 2;
  auto text = std::make_unique<char[]>(length);
  if (length > 0) std::memcpy(text.get(), data + 2, length);
  std::string out;
  const bool fits = alertmail::ToIso2022Jp(std::string_view(text.get(), length), capacity, out);
  if (fits ? out.size() >= capacity : !out.empty()) std::abort();
  return 0;
}
