#pragma once
// Time for the serving thread's timers, in monotonic nanoseconds. <chrono>
// cannot be compiled with the Shift_JIS execution character set (one of its
// unit suffixes is a micro sign), so plain numbers stand in for it.

#include <time.h>

#include <cstdint>

namespace nicsim {

using MonoNs = std::int64_t;

inline constexpr MonoNs kNsPerMs = 1'000'000;
inline constexpr MonoNs kNsPerSecond = 1'000'000'000;

inline MonoNs MonotonicNow() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return MonoNs{now.tv_sec} * kNsPerSecond + now.tv_nsec;
}

}  // namespace nicsim
