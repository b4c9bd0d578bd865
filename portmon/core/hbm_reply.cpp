#include "portmon/core/hbm_reply.h"

#include <algorithm>

namespace portmon {
namespace {
constexpr std::uint8_t kHbm[] = {'h', 'b', 'm'};
}  // namespace

std::optional<std::span<const std::uint8_t>> FindReplyAttribute(
    std::span<const std::uint8_t> received, std::uint8_t tag) {
  const auto header = std::search(received.begin(), received.end(), std::begin(kHbm), std::end(kHbm));
  if (header == received.end()) return std::nullopt;
  auto tlvs = received.subspan(static_cast<std::size_t>(header - received.begin()) + sizeof kHbm);
  while (tlvs.size() >= 2) {
    const std::size_t length = tlvs[1];
    if (length > tlvs.size() - 2) return std::nullopt;
    if (tlvs[0] == tag) return tlvs.subspan(2, length);
    tlvs = tlvs.subspan(2 + length);
  }
  return std::nullopt;
}

}  // namespace portmon
