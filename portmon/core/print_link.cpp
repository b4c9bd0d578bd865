#include "portmon/core/print_link.h"

#include <algorithm>

#include "platform/socket_error.h"
#include "platform/tick.h"
#include "portmon/core/nic_link.h"
#include "portmon/core/port_flags.h"

namespace portmon {
namespace {

constexpr std::uint32_t kSendWaitMs = 100;
constexpr std::uint32_t kDrainStepMs = 1000;
constexpr std::size_t kDrainScratch = 256;

}  // namespace

void SetFlags(const JobContext& context, NetPort& port, std::uint32_t set, std::uint32_t clear) {
  std::lock_guard guard(context.lock);
  port.flags = (port.flags & ~clear) | set;
}

// A failed connect leaves a socket that cannot be used again: a fresh one
// waits for the next try.
bool ConnectOnce(const JobContext& context, NetPort& port, std::uint32_t address) {
  platform::TcpSocket& socket = port.job.socket;
  if (!socket.IsOpen() && socket.Open() != 0) return false;
  if (socket.Connect(address, kPrintPort) != 0) {
    socket.Open();
    return false;
  }
  SetFlags(context, port, PF_CONNECTED, 0);
  if (socket.SetBlocking(false) == 0) SetFlags(context, port, PF_NONBLOCKING, 0);
  return true;
}

bool EnsureConnected(const JobContext& context, NetPort& port) {
  if ((port.flags & PF_CONNECTED) != 0) return true;
  std::uint32_t address = 0;
  return NicAddress(port, address) && ConnectOnce(context, port, address);
}

SendEnd SendWithin(platform::TcpSocket& socket, std::span<const std::uint8_t> data,
                   std::uint32_t limitMs, std::size_t& sent, int& error) {
  sent = 0;
  const std::uint32_t start = platform::TickCount();
  while (sent < data.size()) {
    std::size_t n = 0;
    error = socket.Send(data.subspan(sent), n);
    if (error == 0) {
      sent += n;
      continue;
    }
    if (error == platform::kWsaConnectionAborted || error == platform::kWsaConnectionReset) {
      return SendEnd::Reset;
    }
    if (error != platform::kWsaWouldBlock && error != platform::kWsaInProgress) {
      return SendEnd::Failed;
    }
    const std::uint32_t elapsed = platform::TicksSince(start);
    if (elapsed >= limitMs) return SendEnd::TimedOut;
    int waitError = 0;
    socket.WaitWritable(std::min(kSendWaitMs, limitMs - elapsed), waitError);
  }
  error = 0;
  return SendEnd::Complete;
}

void Drain(platform::TcpSocket& socket, std::uint32_t limitMs) {
  const std::uint32_t start = platform::TickCount();
  std::uint8_t scratch[kDrainScratch];
  for (;;) {
    const std::uint32_t elapsed = platform::TicksSince(start);
    if (elapsed >= limitMs) return;
    int error = 0;
    const platform::WaitResult ready =
        socket.WaitReadable(std::min(kDrainStepMs, limitMs - elapsed), error);
    if (ready == platform::WaitResult::Failed) return;
    if (ready == platform::WaitResult::TimedOut) continue;
    std::size_t received = 0;
    if (socket.Receive(scratch, received) != 0 || received == 0) return;
  }
}

}  // namespace portmon
