#include "portmon/testing/job_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "common/ipv4_text.h"
#include "common/testing/nicsim_control.h"
#include "platform/tick.h"
#include "portmon/core/monitor_variant.h"
#include "portmon/core/spooler_calls.h"

namespace portmon::test {
namespace {

void Record(void* context, const std::string& call) {
  auto* record = static_cast<SpoolerRecord*>(context);
  std::lock_guard guard(record->lock);
  record->calls.push_back(call);
}

SpoolerCalls RecordingCalls(SpoolerRecord& record) {
  SpoolerCalls calls{};
  calls.context = &record;
  calls.openPrinter = [](void* c, const std::u16string&) -> void* {
    Record(c, "open");
    return c;
  };
  calls.closePrinter = [](void* c, void*) { Record(c, "close"); };
  calls.getPrinter = [](void* c, void*, std::uint32_t& attributes, std::u16string& type) {
    Record(c, "getprinter");
    attributes = static_cast<SpoolerRecord*>(c)->attributes;
    type = u"RAW";
    return true;
  };
  calls.getJobStatus = [](void* c, void*, std::uint32_t, std::uint32_t& status) {
    Record(c, "getjob");
    status = static_cast<SpoolerRecord*>(c)->jobStatus;
    return true;
  };
  calls.controlJob = [](void* c, void*, std::uint32_t, std::uint32_t command) {
    Record(c, command == kJobControlRestart ? "restart"
              : command == kJobControlSentToPrinter ? "sent"
                                                    : "control " + std::to_string(command));
    return true;
  };
  calls.setJobStatus = [](void* c, void*, std::uint32_t, std::uint32_t status) {
    Record(c, "status " + std::to_string(status));
    return true;
  };
  return calls;
}

std::string StateFolder() {
  const char* state = std::getenv("NICSIM_STATE");
  return state != nullptr ? state : "";
}

std::vector<std::string> EventLines() {
  std::vector<std::string> lines;
  std::ifstream log(StateFolder() + "/events.log");
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

std::vector<std::uint8_t> FromHex(const std::string& hex) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// The paths of the printer's print events of one kind, in order.
std::vector<std::string> PrintFiles(const std::string& ip, const std::string& kind) {
  std::vector<std::string> paths;
  for (const std::string& line : EventLines()) {
    std::istringstream in(line);
    std::string k, nicIp, peer, localPort, path;
    in >> k >> nicIp >> peer >> localPort >> path;
    if (k == kind && nicIp == ip) paths.push_back(path);
  }
  return paths;
}

}  // namespace

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
}

std::vector<std::string> ConnectionFiles(const std::string& ip) { return PrintFiles(ip, "connect"); }

void JobTest::SetUp() {
  ASSERT_FALSE(StateFolder().empty()) << "run under the job_network fixture";
  ASSERT_TRUE(sockets_.started());
  spoolerCalls = RecordingCalls(spooler);
}

void JobTest::TearDown() {}

std::unique_ptr<NetPort> JobTest::Port(const char* ip) {
  Ipv4 address{};
  EXPECT_TRUE(ParseDottedIp(ip, address));
  std::uint32_t value = 0;
  std::memcpy(&value, address.data(), 4);
  std::string name(ip);
  return std::make_unique<NetPort>(std::u16string(name.begin(), name.end()), u"test port", value,
                                   kNt4Variant.signature);
}

std::vector<std::string> JobTest::Calls() {
  std::lock_guard guard(spooler.lock);
  return spooler.calls;
}

long JobTest::CallCount(const std::string& call) {
  const std::vector<std::string> calls = Calls();
  return std::count(calls.begin(), calls.end(), call);
}

int JobTest::Print(NetPort& port, const std::vector<std::uint8_t>& data,
                   const std::vector<std::size_t>& chunks) {
  int starts = 1;
  EXPECT_TRUE(StartDocPort(Context(), port, u"printer", 7).ok);
  std::size_t offset = 0;
  std::size_t turn = 0;
  int idleWrites = 0;
  while (offset < data.size() && idleWrites < 1000) {
    const std::size_t size = std::min(chunks[turn++ % chunks.size()], data.size() - offset);
    std::uint32_t written = 0;
    const long restartsBefore = CallCount("restart");
    const JobResult result = WritePort(Context(), port, {data.data() + offset, size}, written);
    if (!result.ok) {
      // A restarted job is printed again from its first byte.
      if (CallCount("restart") == restartsBefore) {
        ADD_FAILURE() << "a write failed without the job being restarted";
        break;
      }
      EndDocPort(Context(), port);
      EXPECT_TRUE(StartDocPort(Context(), port, u"printer", 7).ok);
      ++starts;
      offset = 0;
      continue;
    }
    EXPECT_LE(written, size);
    idleWrites = written == 0 ? idleWrites + 1 : 0;
    if (written == 0) platform::SleepMs(5);
    offset += written;
  }
  EXPECT_EQ(offset, data.size());
  EXPECT_TRUE(EndDocPort(Context(), port).ok);
  return starts;
}

std::vector<std::uint8_t> JobBytes(std::size_t length, std::uint32_t seed) {
  std::vector<std::uint8_t> bytes(length);
  std::uint32_t x = seed * 2654435761u + 1;
  for (std::uint8_t& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<std::uint8_t>(x);
  }
  return bytes;
}

std::vector<std::vector<std::uint8_t>> FinishedJobs(const std::string& ip, std::size_t count,
                                                    int waitMs) {
  const std::uint32_t start = platform::TickCount();
  std::vector<std::string> paths;
  do {
    paths = PrintFiles(ip, "job");
    if (paths.size() >= count) break;
    platform::SleepMs(20);
  } while (platform::TicksSince(start) < static_cast<std::uint32_t>(waitMs));
  std::vector<std::vector<std::uint8_t>> jobs;
  for (const std::string& path : paths) jobs.push_back(ReadFile(path));
  return jobs;
}

std::vector<std::vector<std::uint8_t>> Datagrams(const std::string& ip, const std::string& kind) {
  std::vector<std::vector<std::uint8_t>> found;
  for (const std::string& line : EventLines()) {
    std::istringstream in(line);
    std::string k, nicIp, peer, localPort, hex;
    in >> k >> nicIp >> peer >> localPort >> hex;
    if (k == kind && nicIp == ip) found.push_back(FromHex(hex));
  }
  return found;
}

bool ControlPrinter(const std::string& mac, const std::string& settings) {
  return testkit::ControlSimulator(kJobControlPort, mac, settings);
}

}  // namespace portmon::test
