#include "portmon/core/printer_state.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace portmon {
namespace {

constexpr std::size_t kItemsOffset = 6;  // "NAK", the command, the length
constexpr std::size_t kValueKept = 5;
constexpr std::size_t kHexDigits = 8;

constexpr std::uint8_t kPowerOffRefused = '%';   // item 37
constexpr std::uint8_t kPowerOffInAlarm = '&';   // item 38
constexpr std::uint8_t kPowerOffWait = '\'';     // item 39
constexpr std::uint8_t kAutoPowerOff = '(';      // item 40

// The value of the first item with `key`: the text after the key byte up to
// ';' or the end, of which the first kValueKept characters count.
std::optional<std::string_view> ItemValue(std::span<const std::uint8_t> items, std::uint8_t key) {
  std::string_view rest(reinterpret_cast<const char*>(items.data()), items.size());
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(';'), rest.size());
    if (static_cast<std::uint8_t>(rest[0]) == key && end > 0) {
      return rest.substr(1, std::min(end - 1, kValueKept));
    }
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return std::nullopt;
}

// The NIC writes upper-case hex; letters past 'F' read on as 16 and up, as
// the monitor has always answered. Anything else ends the number.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

std::uint32_t HexValue(std::string_view text) {
  std::uint32_t value = 0;
  for (const char c : text.substr(0, kHexDigits)) {
    const int digit = DigitValue(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  return value;
}

void SetBit(std::uint32_t& word, std::uint32_t bit, bool on) { word = on ? word | bit : word & ~bit; }

// A flag item holds a byte as two hex digits, so "01" means on. A shorter
// value has no second character and reads as off.
bool SecondIsOne(std::string_view value) { return value.size() >= 2 && value[1] == '1'; }

}  // namespace

bool ReadPrinterState(std::span<const std::uint8_t> reply, std::uint32_t (&words)[3]) {
  const auto items = reply.size() > kItemsOffset ? reply.subspan(kItemsOffset)
                                                 : std::span<const std::uint8_t>();
  const auto refused = ItemValue(items, kPowerOffRefused);
  if (!refused) return false;
  SetBit(words[0], 0x1, !SecondIsOne(*refused));
  const auto inAlarm = ItemValue(items, kPowerOffInAlarm);
  if (!inAlarm) return false;
  SetBit(words[0], 0x2, !SecondIsOne(*inAlarm));
  const auto wait = ItemValue(items, kPowerOffWait);
  if (!wait) return false;
  words[1] = HexValue(*wait);
  const auto autoOff = ItemValue(items, kAutoPowerOff);
  if (!autoOff) return false;
  words[2] = HexValue(*autoOff);
  SetBit(words[0], 0x4, words[2] != 0);
  return true;
}

}  // namespace portmon
