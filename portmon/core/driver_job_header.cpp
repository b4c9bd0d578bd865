#include "portmon/core/driver_job_header.h"

#include <algorithm>

namespace portmon {
namespace {

constexpr std::size_t kHeaderBytesRead = 25;
constexpr std::size_t kMarkerMinimum = 14;

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::size_t Be16(std::span<const std::uint8_t> b, std::size_t at) {
  return (std::size_t{b[at]} << 8) | b[at + 1];
}

// A marker at `p`: four 0xFF bytes and 00 05; its key stands k bytes on and
// its record is L bytes from there. Returns where the next search begins,
// or nothing when this is no marker of `key`.
std::optional<std::size_t> MarkerAt(std::span<const std::uint8_t> b, std::size_t p,
                                    std::uint8_t key) {
  static constexpr std::uint8_t kLead[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x05};
  if (!std::equal(std::begin(kLead), std::end(kLead), b.begin() + static_cast<long>(p))) {
    return std::nullopt;
  }
  const std::size_t k = 2 * (6 + Be16(b, p + 8) + 2 * Be16(b, p + 6));
  const std::size_t length = Be16(b, p + 10);
  const std::size_t remaining = b.size() - p;
  if (k + length > remaining || k >= remaining || b[p + k] != key) return std::nullopt;
  return p + k + length;
}

std::optional<std::size_t> FindMarker(std::span<const std::uint8_t> b, std::size_t from,
                                      std::uint8_t key) {
  for (std::size_t p = from; b.size() >= kMarkerMinimum && p <= b.size() - kMarkerMinimum; p += 2) {
    if (const auto next = MarkerAt(b, p, key)) return next;
  }
  return std::nullopt;
}

}  // namespace

bool StartsWithHeaderSignature(std::span<const std::uint8_t> b) {
  return b.size() >= kHeaderSignatureLength && b[0] == 0x00 && b[1] == 0xF0 && b[3] == 0x01 &&
         Le16(b, 4) == 4;
}

std::optional<DriverJobHeader> ReadDriverJobHeader(std::span<const std::uint8_t> b) {
  if (b.size() < kHeaderBytesRead || !StartsWithHeaderSignature(b)) return std::nullopt;
  return DriverJobHeader{Le16(b, 6),
                         static_cast<std::int16_t>(Le16(b, 8)),
                         Le16(b, 18),
                         Le16(b, 20),
                         Le16(b, 22),
                         (b[24] & 0x08) != 0};
}

bool HasCollationMarkers(std::span<const std::uint8_t> bytes, std::size_t from) {
  const std::size_t limit = std::min(bytes.size(), kJobExamineLimit) & ~std::size_t{1};
  const auto examined = bytes.first(limit);
  const auto afterKey0 = FindMarker(examined, from, 0);
  return afterKey0 && FindMarker(examined, *afterKey0, 5).has_value();
}

}  // namespace portmon
