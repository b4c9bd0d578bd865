#include "printproc/core/retry.h"

namespace printproc {

bool TryRepeatedly(const RetryPlan& plan, const std::function<bool(std::uint32_t)>& wait,
                   const std::function<bool()>& attempt) {
  for (unsigned tried = 1; tried <= plan.tries; ++tried) {
    if (attempt()) return true;
    if (tried == plan.tries || !wait(plan.intervalMs)) return false;
  }
  return false;
}

}  // namespace printproc
