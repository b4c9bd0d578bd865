#pragma once
// Carrying one print job from the spooler to a port's printer: one TCP
// connection to port 9100, the data unchanged. The NIC is asked first
// whether the printer is there; writes are sent within a time limit and
// report exactly what went out, so what the spooler offers again is neither
// lost nor sent twice; at the end the monitor waits for the printer to close
// its side before telling the spooler the job has reached it. The 95 line
// may collate copies through a temporary store (see collation.h).

#include <cstdint>
#include <mutex>
#include <span>
#include <string>

#include "platform/clock.h"
#include "portmon/core/monitor_variant.h"
#include "portmon/core/net_port.h"
#include "portmon/core/spooler_calls.h"

namespace portmon {

inline constexpr std::uint16_t kPrintPort = 9100;
inline constexpr std::uint32_t kAllOnes = 0xFFFFFFFF;

// What a job runs with: the monitor's lock (it guards the read-modify-write
// of the job bits), the build's variant, and the seams the monitor was
// started with.
struct JobContext {
  std::mutex& lock;
  const MonitorVariant& variant;
  const SpoolerCalls& spooler;
  const JobTimings& timings;
  const CollationCalls& collation;
  const platform::Clock& clock;
};

// Results carry the error to set as the thread's last error (0: none).
struct JobResult {
  bool ok;
  std::uint32_t error = 0;
};

JobResult StartDocPort(const JobContext& context, NetPort& port, const std::u16string& printerName,
                       std::uint32_t jobId);
JobResult WritePort(const JobContext& context, NetPort& port, std::span<const std::uint8_t> data,
                    std::uint32_t& written);
JobResult ReadPort(const JobContext& context, NetPort& port, std::span<std::uint8_t> buffer,
                   std::uint32_t& read);
JobResult EndDocPort(const JobContext& context, NetPort& port);

// The 95 line's cancel request through GetPrinterDataFromPort: a collating
// job is not sent at all; otherwise the NIC is told to drop the job. Either
// way the end of the job does not wait for the printer.
JobResult CancelJob(const JobContext& context, NetPort& port);

// Sends `data` after any bytes still pending, reporting exactly what of
// `data` went out (the write path without collation).
JobResult WriteThrough(const JobContext& context, NetPort& port, std::span<const std::uint8_t> data,
                       std::uint32_t& written);

}  // namespace portmon
