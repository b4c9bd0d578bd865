#include "alertmail/core/header_word.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace alertmail {
namespace {

constexpr std::string_view kRunStart = "\x1B$B";
constexpr std::string_view kRunEnd = "\x1B(B";
constexpr std::string_view kWordStart = "=?ISO-2022-JP?B?";
constexpr std::string_view kWordEnd = "?=";

// The run's closing escape belongs to the encoded word, so the header goes
// back to ASCII inside it; a run left open runs to the end of the text.
std::size_t RunStop(std::string_view text, std::size_t start) {
  const std::size_t end = text.find(kRunEnd, start + kRunStart.size());
  return end == std::string_view::npos ? text.size() : end + kRunEnd.size();
}

std::string Encode(std::string_view text) {
  std::string result;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = text.find(kRunStart, pos);
    if (start == std::string_view::npos) {
      result += text.substr(pos);
      break;
    }
    const std::size_t stop = RunStop(text, start);
    result += text.substr(pos, start - pos);
    result += kWordStart;
    result += Base64(text.substr(start, stop - start));
    result += kWordEnd;
    pos = stop;
  }
  return result;
}

}  // namespace

bool EncodeHeaderWord(std::string_view iso2022jp, std::size_t capacity, std::string& out) {
  // Encoded before `out` is touched, so the text may be a view into it.
  std::string encoded = Encode(iso2022jp);
  if (encoded.size() >= capacity) {
    out.clear();
    return false;
  }
  out = std::move(encoded);
  return true;
}

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t taken = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      group = group << 8 | (k < taken ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    }
    // `taken` bytes fill taken + 1 sextets; the rest of the four is padding.
    for (std::size_t k = 0; k < 4; ++k) {
      out += k <= taken ? kAlphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
  }
  return out;
}

}  // namespace alertmail
