#pragma once
// Holds the machine-wide mutex that keeps the counters' read, add and write
// whole: the agents and the spooler may open one printer at the same moment.
// Without the mutex the count goes on unguarded rather than not at all.

#include <windows.h>

namespace statusmgr {

class CounterLock {
 public:
  CounterLock() : mutex_(CreateMutexW(nullptr, FALSE, L"NicSuiteStatusManagerCounters")) {
    if (mutex_ != nullptr) owned_ = WaitForSingleObject(mutex_, INFINITE) != WAIT_FAILED;
  }
  ~CounterLock() {
    if (owned_) ReleaseMutex(mutex_);
    if (mutex_ != nullptr) CloseHandle(mutex_);
  }
  CounterLock(const CounterLock&) = delete;
  CounterLock& operator=(const CounterLock&) = delete;

 private:
  HANDLE mutex_;
  bool owned_ = false;
};

}  // namespace statusmgr
