#pragma once
// The sending and receiving rules every exchange follows.

#include <cstdint>
#include <span>

#include "nicconf/exchange/end_code.h"
#include "nicconf/exchange/exchange.h"

namespace nic {

// Up to 11 attempts, each waiting up to 100 ms for the socket to become
// writable; would-block lets the next attempt follow, any other error ends
// with kSendFailed, 11 failed attempts with kSendExhausted, and the cancel
// flag is tested before each further attempt.
ExchangeStatus SendRequest(Exchange& exchange, const char* ip, std::uint16_t port,
                           std::span<const std::uint8_t> bytes, bool broadcast = false);

enum class ReceiveMode {
  Waiting,  // wait up to 100 ms, then test the exchange's time-out
  Polling,  // wait 1 ms, one try
};

struct Received {
  bool arrived = false;
  std::span<const std::uint8_t> bytes;  // in the exchange's receive buffer
  platform::ReceivedFrom from{};
  ExchangeStatus status;  // kReceiveFailed, kCancelled or kTimedOut end the pass
};

// One receive pass. A datagram that arrived is handed back even when the
// pass also ends the exchange; the caller takes it first.
Received ReceivePass(Exchange& exchange, ReceiveMode mode);

}  // namespace nic
