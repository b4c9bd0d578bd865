#include "nicproto/mac_text.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "nicproto/hex_text.h"

namespace nic {

bool ParseMacText(const char* text, Mac& mac) {
  if (text == nullptr) return false;
  const char* p = text;
  Mac parsed{};
  for (std::size_t i = 0; i < parsed.size(); ++i) {
    int value = 0;
    int digits = 0;
    for (int nibble; digits < 2 && (nibble = HexDigitValue(*p)) >= 0; ++digits, ++p) {
      value = value * 16 + nibble;
    }
    if (digits == 0) return false;
    parsed[i] = static_cast<std::uint8_t>(value);
    if (i + 1 < parsed.size() && *p++ != ':') return false;
  }
  if (*p != '\0') return false;
  mac = parsed;
  return true;
}

void FormatMacText(const Mac& mac, char* text) {
  std::snprintf(text, kMacTextSize, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2],
                mac[3], mac[4], mac[5]);
}

int CompareMacText(const char* a, const char* b) {
  const std::size_t la = std::strlen(a);
  const std::size_t lb = std::strlen(b);
  if (la != lb) return static_cast<int>(la) - static_cast<int>(lb);
  if (la != 17) return 1;
  static constexpr int kDigitAt[] = {0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 15, 16};
  for (int i : kDigitAt) {
    const int ca = std::toupper(static_cast<unsigned char>(a[i]));
    const int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  return 0;
}

}  // namespace nic
