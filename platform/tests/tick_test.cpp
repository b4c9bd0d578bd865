#include "platform/tick.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Tick, ElapsedAcrossTheWrap) {
  EXPECT_EQ(TicksBetween(100, 350), 250u);
  EXPECT_EQ(TicksBetween(0xFFFFFFF0u, 0xFFFFFFF0u), 0u);
  // Once wrapped the counter loses one millisecond: 2^32 - 1 - start + now.
  EXPECT_EQ(TicksBetween(0xFFFFFFF0u, 5), 20u);
  EXPECT_EQ(TicksBetween(0xFFFFFFFFu, 0), 0u);
}

TEST(Tick, AdvancesWithSleep) {
  const std::uint32_t start = TickCount();
  SleepMs(30);
  const std::uint32_t elapsed = TicksSince(start);
  EXPECT_GE(elapsed, 25u);
  EXPECT_LT(elapsed, 2000u);
}

}  // namespace
}  // namespace platform
