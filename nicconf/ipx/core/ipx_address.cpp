#include "nicconf/ipx/core/ipx_address.h"

#include <cstdio>
#include <cstring>

namespace nic::ipx {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Fills `out` from the right end of `text`'s hex digits, skipping `skip`.
bool ReadFromRight(const char* text, char skip, std::uint8_t* out, std::size_t size) {
  if (text == nullptr) return false;
  std::uint8_t value[16] = {};
  std::size_t digits = 0;
  const std::size_t length = std::strlen(text);
  for (std::size_t i = length; i-- > 0;) {
    if (skip != 0 && text[i] == skip) continue;
    const int v = HexValue(text[i]);
    if (v < 0 || digits == 2 * size) return false;
    const std::size_t byte = size - 1 - digits / 2;
    value[byte] = static_cast<std::uint8_t>(value[byte] | (digits % 2 == 0 ? v : v << 4));
    ++digits;
  }
  std::memcpy(out, value, size);
  return true;
}

}  // namespace

bool ReadNetworkText(const char* text, std::uint8_t (&network)[kNetworkSize]) {
  return ReadFromRight(text, 0, network, kNetworkSize);
}

bool ReadNodeText(const char* text, std::uint8_t (&node)[kNodeSize]) {
  return ReadFromRight(text, ':', node, kNodeSize);
}

bool MakeAddressRecord(const char* networkText, const char* macText, AddressRecord& record) {
  AddressRecord made{};
  if (!ReadNetworkText(networkText, made.network) || !ReadNodeText(macText, made.node)) {
    return false;
  }
  made.kind = 1;
  made.addressLength = 12;
  made.socket[0] = kNicSocket[0];
  made.socket[1] = kNicSocket[1];
  record = made;
  return true;
}

void FormatNetworkText(const std::uint8_t (&network)[kNetworkSize], char (&text)[9]) {
  std::snprintf(text, sizeof text, "%02X%02X%02X%02X", network[0], network[1], network[2],
                network[3]);
}

void FormatNodeMac(const std::uint8_t (&node)[kNodeSize], char (&text)[18]) {
  std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", node[0], node[1], node[2],
                node[3], node[4], node[5]);
}

bool SameNetworkText(const char* a, const char* b) {
  std::uint8_t x[kNetworkSize];
  std::uint8_t y[kNetworkSize];
  return ReadNetworkText(a, x) && ReadNetworkText(b, y) && std::memcmp(x, y, sizeof x) == 0;
}

}  // namespace nic::ipx
