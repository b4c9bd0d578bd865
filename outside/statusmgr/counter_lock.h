#pragma once
// Holds the machine-wide mutex that keeps the counters' read, add and write
// whole: the agents and the spooler may open one printer at the same moment.
// Without the mutex the count goes on unguarded rather than not at all.

#include "common/win/mutex_hold.h"

namespace statusmgr {

class CounterLock : public MutexHold {
 public:
  CounterLock() : MutexHold(L"NicSuiteStatusManagerCounters") {}
};

}  // namespace statusmgr
