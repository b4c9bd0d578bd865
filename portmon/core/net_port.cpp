#include "portmon/core/net_port.h"

namespace portmon {

NetPort::NetPort(std::u16string name, std::u16string description, std::uint32_t address,
                 std::uint32_t signature)
    : signature_(signature),
      name_(std::move(name)),
      description_(std::move(description)),
      address_(address) {}

namespace {
char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }
}  // namespace

bool SameName(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::string AsciiName(const std::u16string& name) {
  std::string ascii;
  for (char16_t c : name) {
    if (c == 0 || c > 0x7F) return {};
    ascii += static_cast<char>(c);
  }
  return ascii;
}

}  // namespace portmon
