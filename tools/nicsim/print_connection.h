#pragma once
// One raw print job arriving on TCP 9100. Its bytes go straight into the
// job's file, exactly as received; the print sink's faults decide how much
// is read, how fast, and how the connection ends.

#include <cstdint>
#include <optional>
#include <span>

#include "tools/nicsim/monotonic_time.h"
#include "tools/nicsim/nic_simulator.h"
#include "tools/shared/unique_fd.h"

namespace nicsim {

class PrintConnection {
 public:
  // `job` is the event recorded when the job ends: kind, addresses and path
  // filled in, its size counted here.
  PrintConnection(tools::UniqueFd socket, tools::UniqueFd file, Event job, const PrintSink& sink);

  int fd() const { return socket_.get(); }
  const std::string& nicIp() const { return job_.nicIp; }

  // A changed sink applies at once, so a stalled reader can be resumed.
  void SetSink(const PrintSink& sink) { sink_ = sink; }

  bool WantsRead(MonoNs now) const;
  // When a throttled reader may read again; none when it is not throttled.
  std::optional<MonoNs> ResumeAt() const;

  // Reads what the sink allows into the file; false once the connection has
  // ended (closed, reset, or failed), and Finish is then due.
  bool Read(MonoNs now, std::span<std::uint8_t> buffer);

  // Closes what is still open and gives the job's event.
  Event Finish();

 private:
  std::uint64_t Limit() const;
  std::size_t Allowance(std::size_t bufferSize) const;
  bool Store(std::span<const std::uint8_t> bytes);
  bool EndAtLimit();

  tools::UniqueFd socket_;
  tools::UniqueFd file_;
  Event job_;
  PrintSink sink_;
  std::optional<MonoNs> resumeAt_;
};

}  // namespace nicsim
