#pragma once
// After a toner-out mail the next one waits a week. The moment is kept as a
// UTC file time (100-nanosecond units since 1601).

#include <cstdint>
#include <optional>

namespace rmmmodel {

inline constexpr std::uint64_t kFileTimeUnitsPerMillisecond = 10000;
inline constexpr std::uint64_t kTonerMailInterval = 604800ULL * 1000 * kFileTimeUnitsPerMillisecond;

// The stored moment carries whole milliseconds only, as a system time does.
constexpr std::uint64_t NextTonerMailTime(std::uint64_t mailStarted) {
  const std::uint64_t next = mailStarted + kTonerMailInterval;
  return next - next % kFileTimeUnitsPerMillisecond;
}

constexpr bool TonerGateOpen(std::optional<std::uint64_t> gate, std::uint64_t now) {
  return !gate || now > *gate;
}

}  // namespace rmmmodel
