#include "nicconf/view/core/refresh_timing.h"

namespace nic {

std::uint32_t RestOfCycleMs(int cycleSeconds, std::uint32_t startTick, std::uint32_t nowTick) {
  if (cycleSeconds <= 0) return 0;
  const std::uint64_t cycle = static_cast<std::uint64_t>(cycleSeconds) * 1000;
  const std::uint32_t elapsed = nowTick - startTick;
  if (elapsed >= cycle) return 1;
  return static_cast<std::uint32_t>(cycle - elapsed);
}

}  // namespace nic
