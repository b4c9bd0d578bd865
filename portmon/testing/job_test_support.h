#pragma once
// What the job tests share: a recording stand-in for the spooler, a driver
// that feeds a job to the port the way the spooler does (offering again
// whatever a write did not take, starting over when the job is restarted),
// the simulated printers' print sinks, and their control port.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/testing/fake_clock.h"
#include "platform/socket_library.h"
#include "portmon/core/job_transmission.h"
#include "portmon/core/net_port.h"

namespace portmon::test {

inline constexpr std::uint16_t kJobControlPort = 18455;

struct SpoolerRecord {
  std::mutex lock;
  std::vector<std::string> calls;  // "open", "close", "restart", "sent", "getjob", ...
  std::uint32_t attributes = 0;
  std::uint32_t jobStatus = 0;
};

class JobTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<NetPort> Port(const char* ip);
  JobContext Context() {
    return {monitorLock, *variant, spoolerCalls, timings, collation, clock};
  }
  std::vector<std::string> Calls();
  long CallCount(const std::string& call);

  // Feeds `data` in chunks of the given sizes (cycling) as the spooler
  // would; returns the number of times the job was started.
  int Print(NetPort& port, const std::vector<std::uint8_t>& data,
            const std::vector<std::size_t>& chunks);

 protected:
  platform::SocketLibrary sockets_;
  std::mutex monitorLock;
  SpoolerRecord spooler;
  SpoolerCalls spoolerCalls{};
  JobTimings timings;
  CollationCalls collation = NoCollationStores();
  // Pauses between collated sending rounds pass at once; the network's
  // own waits stay real.
  testkit::FakeClock fakeClock;
  platform::Clock clock = fakeClock.clock();
  const MonitorVariant* variant = &kNt4Variant;
};

// Deterministic bytes of the given length.
std::vector<std::uint8_t> JobBytes(std::size_t length, std::uint32_t seed = 1);

// The contents of every job file the printer at `ip` finished, in order.
// Waits up to `waitMs` for at least `count` of them.
std::vector<std::vector<std::uint8_t>> FinishedJobs(const std::string& ip, std::size_t count,
                                                    int waitMs = 10000);

// The files of the printer's connections, finished or not, in order.
std::vector<std::string> ConnectionFiles(const std::string& ip);
std::vector<std::uint8_t> ReadFile(const std::string& path);

// The printer's datagram events of one kind ("exn", ...), raw bytes.
std::vector<std::vector<std::uint8_t>> Datagrams(const std::string& ip, const std::string& kind);

// "set <mac> <settings>" on the simulator's control port; true on "ok".
bool ControlPrinter(const std::string& mac, const std::string& settings);

}  // namespace portmon::test
