#pragma once
// A clock for tests: time stands still until the code under test sleeps or
// the test advances it, and every sleep is recorded, so a test checks a
// ten-second pause without waiting ten seconds.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/clock.h"

namespace testkit {

class FakeClock {
 public:
  explicit FakeClock(std::uint32_t start = 0) : now_(start) {}

  platform::Clock clock() { return {this, Now, Sleep}; }

  std::uint32_t now() const { return now_; }
  void Advance(std::uint32_t milliseconds) { now_ += milliseconds; }
  // Every pause the code took, in order.
  std::vector<std::uint32_t> sleeps() const {
    std::lock_guard guard(lock_);
    return sleeps_;
  }

 private:
  static std::uint32_t Now(void* context) { return static_cast<FakeClock*>(context)->now_; }
  static void Sleep(void* context, std::uint32_t milliseconds) {
    auto* self = static_cast<FakeClock*>(context);
    {
      std::lock_guard guard(self->lock_);
      self->sleeps_.push_back(milliseconds);
    }
    self->now_ += milliseconds;
  }

  std::atomic<std::uint32_t> now_;
  mutable std::mutex lock_;
  std::vector<std::uint32_t> sleeps_;
};

}  // namespace testkit
