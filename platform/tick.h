#pragma once
// The 32-bit millisecond tick counter that every time-out is measured on. It
// wraps after about 49.7 days; elapsed times are computed across the wrap.

#include <cstdint>

namespace platform {

std::uint32_t TickCount();

// Milliseconds from `start` to `now`: now - start, or 2^32 - 1 - start + now
// once the counter has wrapped.
constexpr std::uint32_t TicksBetween(std::uint32_t start, std::uint32_t now) {
  return now >= start ? now - start : 0xFFFFFFFFu - start + now;
}

inline std::uint32_t TicksSince(std::uint32_t start) { return TicksBetween(start, TickCount()); }

void SleepMs(std::uint32_t milliseconds);

}  // namespace platform
