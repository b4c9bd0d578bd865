#pragma once
// The print connections of all simulated NICs. Each accepted connection is
// one job written to "<ip>-<seq>.prn" in the job folder, the sequence
// counting from 1 across the simulator.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/nicsim/event_log.h"
#include "tools/nicsim/print_connection.h"

namespace nicsim {

class PrintJobs {
 public:
  PrintJobs(std::string jobDir, EventLog& log);

  // Takes every connection waiting on the listener.
  void Accept(int listener, const std::string& nicIp, const PrintSink& sink);

  void Read(int fd, MonoNs now);

  // Connections that want to be read now.
  std::vector<int> Readable(MonoNs now) const;
  // Until the next throttled reader may read again; -1 when none waits.
  int TimeoutMs(MonoNs now) const;

  void ApplySink(const std::string& nicIp, const PrintSink& sink);

  // Ends every open job, recording what arrived.
  void FinishAll();

  // Changes whenever a connection is opened or closed.
  std::uint64_t generation() const { return generation_; }

 private:
  bool AcceptOne(int listener, const std::string& nicIp, const PrintSink& sink);

  std::string jobDir_;
  EventLog& log_;
  std::map<int, std::unique_ptr<PrintConnection>> connections_;
  std::vector<std::uint8_t> buffer_;
  std::uint64_t sequence_ = 0;
  std::uint64_t generation_ = 0;
};

}  // namespace nicsim
