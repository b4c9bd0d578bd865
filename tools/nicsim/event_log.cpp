#include "tools/nicsim/event_log.h"

#include <algorithm>

namespace nicsim {

void EventLog::SetListener(std::function<void(const Event&)> listener) {
  listener_ = std::move(listener);
}

void EventLog::Record(Event event) {
  {
    std::lock_guard lock(mutex_);
    events_.push_back(event);
  }
  changed_.notify_all();
  if (listener_) listener_(event);
}

std::vector<Event> EventLog::Snapshot() const {
  std::lock_guard lock(mutex_);
  return events_;
}

void EventLog::Clear() {
  std::lock_guard lock(mutex_);
  events_.clear();
}

bool EventLog::WaitFor(const std::string& kind, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return HasKindLocked(kind); });
}

bool EventLog::HasKindLocked(const std::string& kind) const {
  return std::any_of(events_.begin(), events_.end(),
                     [&](const Event& e) { return e.kind == kind; });
}

}  // namespace nicsim
