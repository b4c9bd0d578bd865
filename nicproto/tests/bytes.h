#pragma once
// Small helpers for writing frames byte by byte in tests.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nic::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes B(std::initializer_list<int> values) {
  Bytes out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

inline Bytes B(std::string_view text) { return Bytes(text.begin(), text.end()); }

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline std::span<const std::uint8_t> S(const Bytes& b) { return {b.data(), b.size()}; }

// A byte as two upper-case hex digits, a 16-bit value low byte first, a
// 32-bit value low half first: the order of the status text's blocks.
inline std::string Hex8(unsigned v) {
  static const char* digits = "0123456789ABCDEF";
  return {digits[(v >> 4) & 0xF], digits[v & 0xF]};
}
inline std::string Hex16(unsigned v) { return Hex8(v & 0xFF) + Hex8((v >> 8) & 0xFF); }
inline std::string Hex32(unsigned long v) { return Hex16(v & 0xFFFF) + Hex16((v >> 16) & 0xFFFF); }

}  // namespace nic::test

namespace nic {
using test::operator+;
}
