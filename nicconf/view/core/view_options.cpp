#include "nicconf/view/core/view_options.h"

#include <algorithm>

namespace nic {

int CycleSliderPosition(int refreshCycle) {
  if (refreshCycle == 0) return kCycleSliderLast;
  return std::clamp(refreshCycle / 10, 1, kCycleSliderLast - 1);
}

int CycleOfSliderPosition(int position) { return position >= kCycleSliderLast ? 0 : position * 10; }

std::string CycleLabel(int refreshCycle) {
  return refreshCycle == 0 ? "確認しない" : SecondsLabel(refreshCycle);
}

std::string SecondsLabel(int seconds) { return std::to_string(seconds) + "秒"; }

bool ColumnsDiffer(const ViewSettings& a, const ViewSettings& b) {
  return a.showName != b.showName || a.showModel != b.showModel || a.showMac != b.showMac ||
         a.showIp != b.showIp || a.showNetnum != b.showNetnum || a.showVersion != b.showVersion ||
         a.showStatus != b.showStatus;
}

bool SameOptions(const ViewSettings& a, const ViewSettings& b) {
  return a.refreshCycle == b.refreshCycle && a.busyTimeout == b.busyTimeout && !ColumnsDiffer(a, b);
}

}  // namespace nic
