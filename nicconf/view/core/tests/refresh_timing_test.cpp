#include "nicconf/view/core/refresh_timing.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

TEST(RefreshTiming, TheRestOfTheCycleIsAtLeastOneMillisecond) {
  EXPECT_EQ(RestOfCycleMs(30, 1000, 1000), 30000u);
  EXPECT_EQ(RestOfCycleMs(30, 1000, 11000), 20000u);
  EXPECT_EQ(RestOfCycleMs(30, 1000, 31000), 1u);
  EXPECT_EQ(RestOfCycleMs(30, 1000, 99000), 1u);
  EXPECT_EQ(RestOfCycleMs(0, 1000, 1000), 0u);
}

TEST(RefreshTiming, TheTickCountWrapsBetweenStartAndNow) {
  EXPECT_EQ(RestOfCycleMs(10, 0xFFFFF000u, 0x00000200u), 10000u - 0x1200u);
  EXPECT_EQ(RestOfCycleMs(130, 0xFFFFFFFFu, 129999u), 1u);
}

}  // namespace
}  // namespace nic
