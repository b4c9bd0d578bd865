#pragma once
// A background exchange with NICs: one thread from start to end, polled by
// the caller. The caller and the worker share only the cancel flag (written
// by the caller) and the done flag (written by the worker as its last act);
// results are read after IsFinished.

#include <atomic>
#include <cstdint>
#include <span>
#include <thread>
#include <vector>

#include "nicconf/exchange/end_code.h"
#include "platform/udp_socket.h"

namespace nic {

enum class ExchangeKind : std::uint32_t { Search, Poll, Transaction };

class Exchange {
 public:
  virtual ~Exchange();
  Exchange(const Exchange&) = delete;
  Exchange& operator=(const Exchange&) = delete;

  ExchangeKind kind() const { return kind_; }
  bool finished() const { return done_.load(std::memory_order_acquire); }
  bool cancelRequested() const { return cancel_.load(std::memory_order_acquire); }
  void RequestCancel() { cancel_.store(true, std::memory_order_release); }

  // Starts the worker thread; false when it cannot be started.
  bool StartThread();
  // Waits for the worker; only after finished().
  void JoinThread();

  // Worker side: the exchange's socket, reply port and clock.
  platform::UdpSocket socket;
  std::uint16_t localPort = 0;
  std::uint32_t timeoutMs;
  std::uint32_t startTick = 0;
  std::vector<std::uint8_t> receiveBuffer;

 protected:
  Exchange(ExchangeKind kind, std::uint32_t timeout);
  virtual void Run() = 0;

 private:
  void ThreadMain();

  const ExchangeKind kind_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// Opens the exchange's socket on an ephemeral port and reads the port back;
// kSocketFailed with the error otherwise.
ExchangeStatus OpenExchangeSocket(Exchange& exchange);

// The caller's side of every exchange.
bool IsFinished(const Exchange* exchange);
// Sets the cancel flag and waits in 100 ms steps until the worker is done.
void Cancel(Exchange* exchange);
// Removes a finished exchange from the worker table and frees it.
void Release(Exchange* exchange);

}  // namespace nic
