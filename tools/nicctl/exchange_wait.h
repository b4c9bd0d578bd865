#pragma once
// nicctl has nothing else to do while an exchange runs, so it just waits.

#include "nicconf/exchange/exchange.h"
#include "platform/tick.h"

inline void WaitFinished(const nic::Exchange* exchange) {
  while (!nic::IsFinished(exchange)) platform::SleepMs(20);
}
