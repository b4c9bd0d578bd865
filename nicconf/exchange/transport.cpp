#include "nicconf/exchange/transport.h"

#include "platform/socket_error.h"
#include "platform/tick.h"

namespace nic {
namespace {

constexpr int kSendAttempts = 11;
constexpr std::uint32_t kWritableWaitMs = 100;
constexpr std::uint32_t kWaitingPassMs = 100;
constexpr std::uint32_t kPollingPassMs = 1;

// One receive: a datagram, nothing, or an error.
Received TryReceive(Exchange& exchange, std::uint32_t waitMs) {
  Received result;
  int error = 0;
  const platform::WaitResult ready = exchange.socket.WaitReadable(waitMs, error);
  if (ready == platform::WaitResult::Failed) {
    result.status = {kReceiveFailed, error};
    return result;
  }
  if (ready == platform::WaitResult::TimedOut) return result;
  std::size_t length = 0;
  error = exchange.socket.ReceiveFrom(exchange.receiveBuffer, length, result.from);
  if (error == platform::kWsaWouldBlock || (error == 0 && length == 0)) return result;
  if (error != 0) {
    result.status = {kReceiveFailed, error};
    return result;
  }
  result.arrived = true;
  result.bytes = std::span<const std::uint8_t>(exchange.receiveBuffer.data(), length);
  return result;
}

}  // namespace

ExchangeStatus SendRequest(Exchange& exchange, const char* ip, std::uint16_t port,
                           std::span<const std::uint8_t> bytes, bool broadcast) {
  if (broadcast) {
    if (const int error = exchange.socket.SetBroadcast(true); error != 0) return {kSendFailed, error};
  }
  for (int attempt = 0; attempt < kSendAttempts; ++attempt) {
    if (attempt > 0 && exchange.cancelRequested()) return {kCancelled, 0};
    int error = 0;
    const platform::WaitResult ready = exchange.socket.WaitWritable(kWritableWaitMs, error);
    if (ready == platform::WaitResult::Failed) return {kSendFailed, error};
    if (ready == platform::WaitResult::TimedOut) continue;
    error = exchange.socket.SendTo(ip, port, bytes);
    if (error == 0) return {};
    if (error != platform::kWsaWouldBlock) return {kSendFailed, error};
  }
  return {kSendExhausted, 0};
}

Received ReceivePass(Exchange& exchange, ReceiveMode mode) {
  const bool waiting = mode == ReceiveMode::Waiting;
  Received result = TryReceive(exchange, waiting ? kWaitingPassMs : kPollingPassMs);
  if (result.status.ended()) return result;
  if (exchange.cancelRequested()) {
    result.status = {kCancelled, 0};
  } else if (waiting && platform::TicksSince(exchange.startTick) > exchange.timeoutMs) {
    result.status = {kTimedOut, 0};
  }
  return result;
}

}  // namespace nic
