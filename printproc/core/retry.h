#pragma once
// Printers that are busy opening (the spooler restarting, a queue being set
// up) are tried again a few times before the job gives up on them.

#include <cstdint>
#include <functional>

namespace printproc {

struct RetryPlan {
  unsigned tries;
  std::uint32_t intervalMs;
};

inline constexpr RetryPlan kQueueOpenRetries{10, 1000};
inline constexpr RetryPlan kMemberOpenRetries{10, 300};

// Runs `attempt` until it succeeds or the tries are used up, waiting between
// tries; a wait that reports a cancel ends the trying. True when an attempt
// succeeded.
bool TryRepeatedly(const RetryPlan& plan, const std::function<bool(std::uint32_t)>& wait,
                   const std::function<bool()>& attempt);

}  // namespace printproc
