#pragma once
// The options sheet's values: the refresh cycle on a slider of ten-second
// steps whose last position means no periodic refresh, the labels beside
// the sliders, and what a change of the settings calls for in the view.

#include <string>

#include "nicconf/folder/core/view_settings.h"

namespace nic {

inline constexpr int kCycleSliderLast = 13;  // "確認しない": no periodic refresh

int CycleSliderPosition(int refreshCycle);
int CycleOfSliderPosition(int position);
// "%d秒", or "確認しない" for a cycle of 0.
std::string CycleLabel(int refreshCycle);
std::string SecondsLabel(int seconds);

bool SameOptions(const ViewSettings& a, const ViewSettings& b);
// The shown columns differ: the list's columns are rebuilt.
bool ColumnsDiffer(const ViewSettings& a, const ViewSettings& b);

}  // namespace nic
