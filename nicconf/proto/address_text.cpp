#include "nicconf/proto/address_text.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "nicconf/proto/hex_text.h"

namespace nic {
namespace {

// Reads up to three decimal digits without a leading zero; returns the text
// after them, or nullptr when no canonical number 0..255 stands there.
const char* ReadOctet(const char* p, std::uint8_t& octet) {
  if (!std::isdigit(static_cast<unsigned char>(*p))) return nullptr;
  if (*p == '0' && std::isdigit(static_cast<unsigned char>(p[1]))) return nullptr;
  int value = 0;
  int digits = 0;
  while (std::isdigit(static_cast<unsigned char>(*p))) {
    if (++digits > 3) return nullptr;
    value = value * 10 + (*p++ - '0');
  }
  if (value > 255) return nullptr;
  octet = static_cast<std::uint8_t>(value);
  return p;
}

}  // namespace

IpNumbers ReadIpNumbers(const char* text) {
  std::array<long, 4> numbers{};
  const char* p = text;
  for (std::size_t i = 0; i < numbers.size() && p != nullptr && *p != '\0'; ++i) {
    long value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
      if (value < 100000) value = value * 10 + (*p - '0');
      ++p;
    }
    numbers[i] = value;
    if (*p != '.') break;
    ++p;
  }
  return numbers;
}

bool ParseDottedIp(const char* text, Ipv4& ip) {
  if (text == nullptr) return false;
  const char* p = text;
  Ipv4 parsed{};
  for (std::size_t i = 0; i < parsed.size(); ++i) {
    p = ReadOctet(p, parsed[i]);
    if (p == nullptr) return false;
    if (i + 1 < parsed.size() && *p++ != '.') return false;
  }
  if (*p != '\0') return false;
  ip = parsed;
  return true;
}

void FormatIp(const Ipv4& ip, char* text) {
  std::snprintf(text, kIpTextSize, "%u.%u.%u.%u", ip[0], ip[1], ip[2], ip[3]);
}

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

int CompareIpText(const char* a, const char* b) {
  const auto x = ReadIpNumbers(a);
  const auto y = ReadIpNumbers(b);
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x[i] != y[i]) return static_cast<int>(x[i] - y[i]);
  }
  return 0;
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
