#pragma once
// When the next status refresh of the printer list is due.

#include <cstdint>

namespace nic {

// Milliseconds left of a cycle of `cycleSeconds` that began at tick
// `startTick`, at tick `nowTick`; at least 1. The tick count wraps after
// 49.7 days, which unsigned subtraction takes in its stride. A cycle of 0
// has no rest: the caller arms nothing.
std::uint32_t RestOfCycleMs(int cycleSeconds, std::uint32_t startTick, std::uint32_t nowTick);

}  // namespace nic
