#include "portmon/core/job_transmission.h"

#include <algorithm>
#include <vector>

#include "platform/socket_error.h"
#include "platform/tick.h"
#include "portmon/core/nic_link.h"
#include "portmon/core/nic_query.h"
#include "portmon/core/port_flags.h"
#include "portmon/core/spooler_calls.h"

namespace portmon {
namespace {

constexpr std::uint32_t kErrorBusy = 170;
constexpr std::uint32_t kErrorHostNotFound = 11001;  // WSAHOST_NOT_FOUND
constexpr std::uint32_t kSendWaitMs = 100;
constexpr std::uint32_t kDrainStepMs = 1000;
constexpr std::size_t kDrainScratch = 256;

void SetFlags(const JobContext& context, NetPort& port, std::uint32_t set, std::uint32_t clear) {
  std::lock_guard guard(context.lock);
  port.flags = (port.flags & ~clear) | set;
}

void ClosePrinter(NetPort& port) {
  const SpoolerCalls& spooler = CurrentSpoolerCalls();
  if (port.job.printer != nullptr) spooler.closePrinter(spooler.context, port.job.printer);
  port.job.printer = nullptr;
}

// A failed connect leaves a socket that cannot be used again: a fresh one
// waits for the next try.
bool Connect(NetPort& port, std::uint32_t address) {
  platform::TcpSocket& socket = port.job.socket;
  if (!socket.IsOpen() && socket.Open() != 0) return false;
  if (socket.Connect(address, kPrintPort) == 0) return true;
  socket.Open();
  return false;
}

void MarkConnected(const JobContext& context, NetPort& port) {
  SetFlags(context, port, PF_CONNECTED, 0);
  if (port.job.socket.SetBlocking(false) == 0) SetFlags(context, port, PF_NONBLOCKING, 0);
}

enum class SendEnd { Complete, TimedOut, Reset, Failed };

// Sends on the caller's thread within `limitMs`; `sent` is exactly what went
// out, so a write that ran out of time reports a count the spooler can trust.
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

// A printer that cannot report back loses its job on a reset: the spooler
// sends it again from the start.
void RestartUnlessBidirectional(NetPort& port) {
  const SpoolerCalls& spooler = CurrentSpoolerCalls();
  std::uint32_t attributes = 0;
  std::u16string datatype;
  if (!spooler.getPrinter(spooler.context, port.job.printer, attributes, datatype)) return;
  if ((attributes & kPrinterAttributeEnableBidi) == 0) {
    spooler.controlJob(spooler.context, port.job.printer, port.job.jobId, kJobControlRestart);
  }
}

bool JobCancelled(const NetPort& port) {
  const SpoolerCalls& spooler = CurrentSpoolerCalls();
  std::uint32_t status = 0;
  return spooler.getJobStatus(spooler.context, port.job.printer, port.job.jobId, status) &&
         (status & kJobStatusDeleting) != 0;
}

// Reads and drops what the printer sends until it closes the connection, a
// receive fails, or the limit passes.
void Drain(platform::TcpSocket& socket) {
  const std::uint32_t limit = CurrentJobTimings().drainLimitMs;
  const std::uint32_t start = platform::TickCount();
  std::uint8_t scratch[kDrainScratch];
  for (;;) {
    const std::uint32_t elapsed = platform::TicksSince(start);
    if (elapsed >= limit) return;
    int error = 0;
    const platform::WaitResult ready = socket.WaitReadable(std::min(kDrainStepMs, limit - elapsed), error);
    if (ready == platform::WaitResult::Failed) return;
    if (ready == platform::WaitResult::TimedOut) continue;
    std::size_t received = 0;
    if (socket.Receive(scratch, received) != 0 || received == 0) return;
  }
}

bool ReadErrorMeansGone(int error) {
  return error == platform::kWsaNetworkDown || error == platform::kWsaNetworkReset ||
         error == platform::kWsaNotConnected || error == platform::kWsaShutdown;
}

}  // namespace

JobResult StartDocPort(const JobContext& context, NetPort& port, const std::u16string& printerName,
                       std::uint32_t jobId) {
  {
    std::lock_guard guard(context.lock);
    if ((port.flags & PF_JOB_ACTIVE) != 0) return {false, kErrorBusy};
    port.flags = (port.flags | PF_JOB_ACTIVE) & ~(PF_CONNECTED | PF_NONBLOCKING);
  }
  const SpoolerCalls& spooler = CurrentSpoolerCalls();
  port.job.jobId = jobId;
  port.job.printer = spooler.openPrinter(spooler.context, printerName);
  if (!port.job.socket.IsOpen()) {
    if (const int error = port.job.socket.Open(); error != 0) {
      ClosePrinter(port);
      SetFlags(context, port, 0, PF_JOB_ACTIVE);
      return {false, static_cast<std::uint32_t>(error)};
    }
  }
  // A silent NIC does not refuse the job: the first write connects.
  std::vector<std::uint8_t> reply(kReplyBufferSize);
  StatusReply status;
  if (!QueryNicStatus(port, reply, status)) return {true};
  std::uint32_t address = 0;
  if (!NicAddress(port, address)) {
    ClosePrinter(port);
    SetFlags(context, port, 0, PF_JOB_ACTIVE);
    return {false, kErrorHostNotFound};
  }
  if (Connect(port, address)) MarkConnected(context, port);
  return {true};
}

JobResult WritePort(const JobContext& context, NetPort& port, std::span<const std::uint8_t> data,
                    std::uint32_t& written) {
  written = 0;
  if ((port.flags & PF_CONNECTED) == 0) {
    // Not reachable yet: nothing written, so the spooler offers the data again.
    std::uint32_t address = 0;
    if (!NicAddress(port, address) || !Connect(port, address)) return {true};
    MarkConnected(context, port);
  }
  std::size_t sent = 0;
  int error = 0;
  switch (SendWithin(port.job.socket, data, CurrentJobTimings().writeLimitMs, sent, error)) {
    case SendEnd::Complete:
    case SendEnd::TimedOut:
      written = static_cast<std::uint32_t>(sent);
      return {true};
    case SendEnd::Reset:
      RestartUnlessBidirectional(port);
      return {false, static_cast<std::uint32_t>(error)};
    case SendEnd::Failed:
      break;
  }
  return {false, static_cast<std::uint32_t>(error)};
}

JobResult ReadPort(const JobContext&, NetPort& port, std::span<std::uint8_t> buffer,
                   std::uint32_t& read) {
  const std::uint32_t flags = port.flags;
  constexpr std::uint32_t kReady = PF_JOB_ACTIVE | PF_CONNECTED | PF_NONBLOCKING;
  if ((flags & kReady) != kReady) {
    read = (flags & PF_NONBLOCKING) != 0 ? kAllOnes : 0;
    return {false, kErrorBusy};
  }
  std::size_t received = 0;
  const int error = port.job.socket.Receive(buffer, received);
  if (error == 0 && received > 0) {
    read = static_cast<std::uint32_t>(received);
    return {true};
  }
  if (error == 0) {
    read = kAllOnes;  // the printer closed the connection
    return {false};
  }
  read = ReadErrorMeansGone(error) ? kAllOnes : 0;
  return {false, static_cast<std::uint32_t>(error)};
}

JobResult EndDocPort(const JobContext& context, NetPort& port) {
  if ((port.flags & PF_JOB_ACTIVE) == 0) return {true};
  const bool connected = (port.flags & PF_CONNECTED) != 0;
  const bool cancelled = JobCancelled(port);
  platform::TcpSocket& socket = port.job.socket;
  if (cancelled && connected) {
    std::uint16_t linkPort = 0;
    if (socket.LocalPort(linkPort) == 0) SendExnNotice(port, linkPort);
  }
  if (socket.SetBlocking(true) == 0) SetFlags(context, port, 0, PF_NONBLOCKING);
  socket.SetLinger(true, CurrentJobTimings().lingerSeconds);
  socket.ShutdownSending();
  // Only a live connection is drained: there is nothing to wait for on one
  // that was never made.
  if (!cancelled && connected) Drain(socket);
  socket.Close();
  const SpoolerCalls& spooler = CurrentSpoolerCalls();
  spooler.controlJob(spooler.context, port.job.printer, port.job.jobId, kJobControlSentToPrinter);
  ClosePrinter(port);
  SetFlags(context, port, 0, PF_JOB_ACTIVE | PF_CONNECTED | PF_NONBLOCKING);
  return {true};
}

}  // namespace portmon
