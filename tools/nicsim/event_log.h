#pragma once
// What the simulated NICs saw, shared between the serving thread, which
// records, and the callers, who read and wait.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "tools/nicsim/nic_simulator.h"

namespace nicsim {

class EventLog {
 public:
  // Called on the recording thread after each event is stored; set it before
  // anything records.
  void SetListener(std::function<void(const Event&)> listener);

  void Record(Event event);
  std::vector<Event> Snapshot() const;
  void Clear();
  bool WaitFor(const std::string& kind, int timeoutMs) const;

 private:
  bool HasKindLocked(const std::string& kind) const;

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<Event> events_;
  std::function<void(const Event&)> listener_;
};

}  // namespace nicsim
