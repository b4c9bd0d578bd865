#include "nicconf/view/core/view_options.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

TEST(ViewOptions, TheCycleSliderStepsByTenSecondsAndEndsWithNoRefresh) {
  EXPECT_EQ(CycleSliderPosition(30), 3);
  EXPECT_EQ(CycleSliderPosition(120), 12);
  EXPECT_EQ(CycleSliderPosition(0), kCycleSliderLast);
  // A cycle shorter than a step, set in the file, still has a place.
  EXPECT_EQ(CycleSliderPosition(5), 1);
  EXPECT_EQ(CycleOfSliderPosition(1), 10);
  EXPECT_EQ(CycleOfSliderPosition(12), 120);
  EXPECT_EQ(CycleOfSliderPosition(kCycleSliderLast), 0);
  EXPECT_EQ(CycleLabel(0), "確認しない");
  EXPECT_EQ(CycleLabel(40), "40秒");
  EXPECT_EQ(SecondsLabel(5), "5秒");
}

TEST(ViewOptions, OnlyAChangedColumnRebuildsTheList) {
  ViewSettings a, b;
  EXPECT_TRUE(SameOptions(a, b));
  b.refreshCycle = 0;
  EXPECT_FALSE(SameOptions(a, b));
  EXPECT_FALSE(ColumnsDiffer(a, b));
  b.showVersion = !a.showVersion;
  EXPECT_TRUE(ColumnsDiffer(a, b));
}

}  // namespace
}  // namespace nic
