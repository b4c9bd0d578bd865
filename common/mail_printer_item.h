#pragma once
// The management window's item for one of the workstation's printers, as
// the alarm mail module hands them to it: a size (16 bits, little-endian,
// counting itself, the name, the kind and the port), the printer name with
// its NUL, the eligibility kind (32 bits), the port name with its NUL; the
// list's zero size ends it. The NIC entry of those printers reads the name
// from it where the shell's Printers folder cannot name the item.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dav {

inline constexpr std::size_t kMailPrinterTextLimit = 260;  // name and port, NUL included

struct MailPrinterItem {
  std::string name;
  std::uint32_t kind = 0;
  std::string port;
};

// Decoded within `bytes` (what the allocator holds) and within the item's
// own size; nothing for a block that is too short, whose size disagrees with
// its texts, or whose texts run past their limits.
std::optional<MailPrinterItem> ReadMailPrinterItem(std::span<const std::uint8_t> bytes);

// The item with the list's terminating zero size; empty when a text is too
// long.
std::vector<std::uint8_t> BuildMailPrinterItem(const MailPrinterItem& item);

}  // namespace dav
