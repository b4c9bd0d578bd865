#include "portmon/core/job_transmission.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/socket_error.h"
#include "portmon/core/collation.h"
#include "portmon/core/nic_link.h"
#include "portmon/core/nic_query.h"
#include "portmon/core/port_flags.h"
#include "portmon/core/print_link.h"

namespace portmon {
namespace {

constexpr std::uint32_t kErrorBusy = 170;
constexpr std::uint32_t kErrorHostNotFound = 11001;  // WSAHOST_NOT_FOUND

void ReleaseJobPrinter(const JobContext& context, NetPort& port) {
  const SpoolerCalls& spooler = context.spooler;
  if (port.job.printer != nullptr) spooler.closePrinter(spooler.context, port.job.printer);
  port.job.printer = nullptr;
}

JobResult AbandonStart(const JobContext& context, NetPort& port, std::uint32_t error) {
  ReleaseJobPrinter(context, port);
  SetFlags(context, port, 0, PF_JOB_ACTIVE);
  return {false, error};
}

void MarkJobPrinting(const JobContext& context, const NetPort& port) {
  const SpoolerCalls& spooler = context.spooler;
  std::uint32_t status = 0;
  if (spooler.getJobStatus(spooler.context, port.job.printer, port.job.jobId, status) &&
      (status & kJobStatusPrinting) == 0) {
    spooler.setJobStatus(spooler.context, port.job.printer, port.job.jobId,
                         status | kJobStatusPrinting);
  }
}

bool IsEmf(std::u16string type) {
  for (char16_t& c : type) c = c < 128 ? static_cast<char16_t>(std::toupper(c)) : c;
  return type == u"EMF";
}

// A printer that cannot report back loses its job on a reset: the spooler
// sends it again from the start. Returns whether the write counts as done.
bool RestartAfterReset(const JobContext& context, NetPort& port) {
  const MonitorVariant& variant = context.variant;
  if (variant.resetRule == ResetRule::Fail) return false;
  const SpoolerCalls& spooler = context.spooler;
  std::uint32_t attributes = 0;
  std::u16string datatype;
  if (!spooler.getPrinter(spooler.context, port.job.printer, attributes, datatype)) return false;
  const bool bidirectional = (attributes & kPrinterAttributeEnableBidi) != 0;
  if (variant.resetRule == ResetRule::RestartUnlessBidirectional) {
    if (!bidirectional) {
      spooler.controlJob(spooler.context, port.job.printer, port.job.jobId, kJobControlRestart);
    }
    return false;
  }
  if (bidirectional || IsEmf(datatype)) return false;
  MarkJobPrinting(context, port);
  spooler.controlJob(spooler.context, port.job.printer, port.job.jobId, kJobControlRestart);
  return true;
}

bool JobDeleting(const JobContext& context, const NetPort& port) {
  const SpoolerCalls& spooler = context.spooler;
  std::uint32_t status = 0;
  return spooler.getJobStatus(spooler.context, port.job.printer, port.job.jobId, status) &&
         (status & kJobStatusDeleting) != 0;
}

bool ReadErrorMeansGone(int error) {
  return error == platform::kWsaNetworkDown || error == platform::kWsaNetworkReset ||
         error == platform::kWsaNotConnected || error == platform::kWsaShutdown;
}

bool SendExnForConnection(NetPort& port) {
  if ((port.flags & PF_CONNECTED) == 0) return true;
  std::uint16_t linkPort = 0;
  return port.job.socket.LocalPort(linkPort) == 0 && SendExnNotice(port, linkPort);
}

// Bytes the spooler already counts as written go out before anything else;
// false when they could not all go within the limit.
SendEnd SendPending(const JobContext& context, NetPort& port, int& error) {
  std::vector<std::uint8_t>& pending = port.job.pending;
  if (pending.empty()) return SendEnd::Complete;
  std::size_t sent = 0;
  const SendEnd end =
      SendWithin(port.job.socket, pending, context.timings.writeLimitMs, sent, error);
  pending.erase(pending.begin(), pending.begin() + static_cast<long>(sent));
  return end;
}

}  // namespace

JobResult StartDocPort(const JobContext& context, NetPort& port, const std::u16string& printerName,
                       std::uint32_t jobId) {
  {
    std::lock_guard guard(context.lock);
    if ((port.flags & PF_JOB_ACTIVE) != 0) return {false, kErrorBusy};
    port.flags = (port.flags | PF_JOB_ACTIVE) & ~(PF_CONNECTED | PF_NONBLOCKING);
  }
  const SpoolerCalls& spooler = context.spooler;
  port.job.jobId = jobId;
  port.job.pending.clear();
  port.job.printer = spooler.openPrinter(spooler.context, printerName);
  if (context.variant.collation) StartCollation(port);
  if (!port.job.socket.IsOpen()) {
    if (const int error = port.job.socket.Open(); error != 0) {
      return AbandonStart(context, port, static_cast<std::uint32_t>(error));
    }
  }
  // A silent NIC does not refuse the job: the first write connects.
  std::vector<std::uint8_t> reply(kReplyBufferSize);
  StatusReply status;
  if (!QueryNicStatus(port, reply, status)) return {true};
  std::uint32_t address = 0;
  if (!NicAddress(port, address)) return AbandonStart(context, port, kErrorHostNotFound);
  ConnectOnce(context, port, address);
  if (context.variant.markJobPrinting) MarkJobPrinting(context, port);
  return {true};
}

JobResult WriteThrough(const JobContext& context, NetPort& port, std::span<const std::uint8_t> data,
                       std::uint32_t& written) {
  written = 0;
  // Not reachable yet: nothing written, so the spooler offers the data again.
  if (!EnsureConnected(context, port)) return {true};
  int error = 0;
  SendEnd end = SendPending(context, port, error);
  std::size_t sent = 0;
  if (end == SendEnd::Complete) {
    end = SendWithin(port.job.socket, data, context.timings.writeLimitMs, sent, error);
  }
  switch (end) {
    case SendEnd::Complete:
    case SendEnd::TimedOut:
      written = static_cast<std::uint32_t>(sent);
      return {true};
    case SendEnd::Reset:
      if (RestartAfterReset(context, port)) {
        written = static_cast<std::uint32_t>(data.size());
        return {true};
      }
      break;
    case SendEnd::Failed:
      break;
  }
  return {false, static_cast<std::uint32_t>(error)};
}

JobResult WritePort(const JobContext& context, NetPort& port, std::span<const std::uint8_t> data,
                    std::uint32_t& written) {
  if (context.variant.collation) return CollatingWrite(context, port, data, written);
  return WriteThrough(context, port, data, written);
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

JobResult CancelJob(const JobContext&, NetPort& port) {
  CollationState& collation = port.job.collation;
  collation.skipDrain = true;
  if (collation.collating) {
    collation.doNotSend = true;
    return {true};
  }
  return {SendExnForConnection(port)};
}

JobResult EndDocPort(const JobContext& context, NetPort& port) {
  if ((port.flags & PF_JOB_ACTIVE) == 0) return {true};
  if (context.variant.collation) FinishCollation(context, port);
  const bool deleting = JobDeleting(context, port);
  // The 95 line hears of a cancel through its own request instead.
  if (deleting && !context.variant.cancelByCode) SendExnForConnection(port);
  int error = 0;
  if (!port.job.pending.empty() && !deleting && EnsureConnected(context, port)) {
    SendPending(context, port, error);
  }
  platform::TcpSocket& socket = port.job.socket;
  if (socket.SetBlocking(true) == 0) SetFlags(context, port, 0, PF_NONBLOCKING);
  socket.SetLinger(true, context.timings.lingerSeconds);
  socket.ShutdownSending();
  // Only a live connection is drained: there is nothing to wait for on one
  // that was never made.
  const bool skipDrain = deleting || port.job.collation.skipDrain;
  if (!skipDrain && (port.flags & PF_CONNECTED) != 0) Drain(socket, context.timings.drainLimitMs);
  socket.Close();
  port.job.pending.clear();
  const SpoolerCalls& spooler = context.spooler;
  spooler.controlJob(spooler.context, port.job.printer, port.job.jobId, context.variant.endJobCommand);
  ReleaseJobPrinter(context, port);
  SetFlags(context, port, 0, PF_JOB_ACTIVE | PF_CONNECTED | PF_NONBLOCKING);
  return {true};
}

}  // namespace portmon
