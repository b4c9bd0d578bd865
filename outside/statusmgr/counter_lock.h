#pragma once
// Holds the machine-wide mutex that keeps the counters' read, add and write
// whole: the agents and the spooler may open one printer at the same moment.
// Without the mutex the count goes on unguarded rather than not at all.

#include <windows.h>

#include "common/win/kernel_handle.h"

namespace statusmgr {

class CounterLock {
 public:
  CounterLock() : mutex_(CreateMutexW(nullptr, FALSE, L"NicSuiteStatusManagerCounters")) {
    if (mutex_) owned_ = WaitForSingleObject(mutex_.get(), INFINITE) != WAIT_FAILED;
  }
  ~CounterLock() {
    if (owned_) ReleaseMutex(mutex_.get());
  }
  CounterLock(const CounterLock&) = delete;
  CounterLock& operator=(const CounterLock&) = delete;

 private:
  KernelHandle mutex_;
  bool owned_ = false;
};

}  // namespace statusmgr
