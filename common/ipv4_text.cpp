#include "common/ipv4_text.h"

#include <cctype>
#include <cstdio>

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
  IpNumbers numbers{};
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

int CompareIpText(const char* a, const char* b) {
  const auto x = ReadIpNumbers(a);
  const auto y = ReadIpNumbers(b);
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (x[i] != y[i]) return static_cast<int>(x[i] - y[i]);
  }
  return 0;
}
