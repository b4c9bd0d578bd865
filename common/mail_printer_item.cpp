#include "common/mail_printer_item.h"

#include <algorithm>

namespace dav {
namespace {

constexpr std::size_t kSizeField = 2;
constexpr std::size_t kKindField = 4;

// The NUL-terminated text at `at`, within `end` and its limit.
std::optional<std::string> TextAt(std::span<const std::uint8_t> item, std::size_t& at) {
  const std::size_t end = std::min(item.size(), at + kMailPrinterTextLimit);
  const auto first = item.begin() + static_cast<std::ptrdiff_t>(at);
  const auto nul = std::find(first, item.begin() + static_cast<std::ptrdiff_t>(end), 0);
  if (nul == item.begin() + static_cast<std::ptrdiff_t>(end)) return std::nullopt;
  std::string text(first, nul);
  at += text.size() + 1;
  return text;
}

}  // namespace

std::optional<MailPrinterItem> ReadMailPrinterItem(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSizeField) return std::nullopt;
  const std::size_t size = bytes[0] | (std::size_t{bytes[1]} << 8);
  if (size < kSizeField + 1 + kKindField + 1 || size > bytes.size()) return std::nullopt;
  const std::span<const std::uint8_t> item = bytes.first(size);
  std::size_t at = kSizeField;
  MailPrinterItem decoded;
  auto name = TextAt(item, at);
  if (!name || at + kKindField > size) return std::nullopt;
  decoded.name = std::move(*name);
  decoded.kind = item[at] | (std::uint32_t{item[at + 1]} << 8) | (std::uint32_t{item[at + 2]} << 16) |
                 (std::uint32_t{item[at + 3]} << 24);
  at += kKindField;
  auto port = TextAt(item, at);
  if (!port || at != size) return std::nullopt;
  decoded.port = std::move(*port);
  return decoded;
}

std::vector<std::uint8_t> BuildMailPrinterItem(const MailPrinterItem& item) {
  if (item.name.size() >= kMailPrinterTextLimit || item.port.size() >= kMailPrinterTextLimit) return {};
  const std::size_t size = kSizeField + item.name.size() + 1 + kKindField + item.port.size() + 1;
  std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8)};
  bytes.insert(bytes.end(), item.name.begin(), item.name.end());
  bytes.push_back(0);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(item.kind >> shift));
  bytes.insert(bytes.end(), item.port.begin(), item.port.end());
  bytes.push_back(0);
  bytes.push_back(0);  // the list ends
  bytes.push_back(0);
  return bytes;
}

}  // namespace dav
