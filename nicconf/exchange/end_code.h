#pragma once
// How a background exchange with a NIC ended; kept with a socket error.

#include <cstdint>

namespace nic {

enum EndCode : std::uint32_t {
  kPending = 0,
  kFinished = 1,
  kCancelled = 2,
  kRequestNotBuilt = 3,   // error value 12 (out of memory)
  kSocketFailed = 4,      // cannot open or bind the socket, or read its port
  kSendExhausted = 5,     // no send possible within 11 attempts
  kTimedOut = 7,
  kReceiveFailed = 8,
  kSendFailed = 9,
  kCommandNotStarted = 10,
  kCommandFailed = 11,
  kNotAdministrator = 12,
};

inline constexpr int kOutOfMemoryError = 12;

struct ExchangeStatus {
  std::uint32_t endCode = kPending;  // kPending: go on
  int socketError = 0;
  bool ended() const { return endCode != kPending; }
};

}  // namespace nic
