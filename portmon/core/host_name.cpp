#include "portmon/core/host_name.h"

namespace portmon {

bool PassesHostNameCheck(std::string_view ansiName) {
  if (ansiName.size() >= 128) return false;
  const std::size_t first = ansiName.find_first_not_of(' ');
  return first != std::string_view::npos && ansiName[first] != '.';
}

bool IsStrictDottedAddress(std::string_view text) {
  int groups = 0;
  while (true) {
    std::size_t digits = 0;
    unsigned value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
      value = value * 10 + static_cast<unsigned>(text[digits] - '0');
      if (++digits > 3) return false;
    }
    if (digits == 0 || value > 255) return false;
    text.remove_prefix(digits);
    if (++groups == 4) return text.empty();
    if (text.empty() || text.front() != '.') return false;
    text.remove_prefix(1);
  }
}

}  // namespace portmon
