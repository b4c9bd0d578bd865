#pragma once
// The clock that pauses are taken on, as a seam: the system's tick and
// sleep by default, a test's fake clock that lets time pass without
// waiting. Deadlines of socket waits stay on the real tick (tick.h): the
// network answers in real time.

#include <cstdint>

namespace platform {

struct Clock {
  void* context;
  std::uint32_t (*now)(void* context);  // milliseconds, wrapping as tick.h says
  void (*sleep)(void* context, std::uint32_t milliseconds);
};

const Clock& SystemClock();

}  // namespace platform
