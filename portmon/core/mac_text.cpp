#include "portmon/core/mac_text.h"

#include <algorithm>

namespace portmon {
namespace {

constexpr std::size_t kMaxMacText = 17;
constexpr int kMaxSeparators = 5;
constexpr int kMaxGroupDigits = 2;
constexpr int kMaxDigits = 12;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool ParseStoredMac(std::string_view text, std::uint8_t (&mac)[6]) {
  std::uint8_t read[6] = {};
  std::size_t at = 0;
  for (std::uint8_t& byte : read) {
    int digits = 0;
    for (; digits < kMaxGroupDigits && at < text.size() && HexDigit(text[at]) >= 0; ++digits) {
      byte = static_cast<std::uint8_t>(byte * 16 + HexDigit(text[at++]));
    }
    if (digits == 0) return false;
    if (at < text.size() && text[at] == ':') ++at;
  }
  std::copy(std::begin(read), std::end(read), std::begin(mac));
  return true;
}

bool IsAcceptableMacText(std::string_view text) {
  if (text.empty() || text.size() > kMaxMacText) return false;
  int separators = 0, groupDigits = 0, digits = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ':') {
      if ((i > 0 && text[i - 1] == ':') || ++separators > kMaxSeparators) return false;
      groupDigits = 0;
    } else if (HexDigit(text[i]) < 0 || ++groupDigits > kMaxGroupDigits || ++digits > kMaxDigits) {
      return false;
    }
  }
  return true;
}

}  // namespace portmon
