#pragma once
// Fuzzes a conversion into a bounded field: two bytes of capacity, then the
// text as an exact-size copy so that an overread past its end is caught. A
// text that fits must leave room for the terminating zero; one that does not
// must leave nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

template <typename Convert>
int FuzzBoundedConversion(const std::uint8_t* data, std::size_t size, Convert convert) {
  if (size < 2) return 0;
  const std::size_t capacity = data[0] | static_cast<std::size_t>(data[1]) << 8;
  const std::size_t length = size - 2;
  auto text = std::make_unique<char[]>(length);
  if (length > 0) std::memcpy(text.get(), data + 2, length);
  std::string out;
  const bool fits = convert(std::string_view(text.get(), length), capacity, out);
  if (fits ? out.size() >= capacity : !out.empty()) std::abort();
  return 0;
}
