#pragma once
// Every start operation ends the same way: enter the new exchange into the
// worker table and start its thread, or refuse it.

#include "nicconf/exchange/exchange.h"

namespace nic {

// Takes ownership of `exchange`. A full worker table shows the unexpected-
// error message; a thread that cannot start fails silently. Returns the
// exchange, or nullptr with the exchange freed.
template <typename T>
T* StartExchange(T* exchange);

bool EnterAndStart(Exchange* exchange);

template <typename T>
T* StartExchange(T* exchange) {
  return exchange != nullptr && EnterAndStart(exchange) ? exchange : nullptr;
}

}  // namespace nic
