// Collated copies on the 95 line, against the simulated printers' print
// sinks, with the page data kept in memory.
#include "portmon/core/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "platform/tick.h"
#include "portmon/core/spooler_calls.h"
#include "portmon/testing/driver_job.h"
#include "portmon/testing/job_test_support.h"

namespace portmon::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A store in memory that counts the stores alive.
std::atomic<int> storesAlive{0};
std::atomic<bool> storesFail{false};
std::atomic<int> failuresReported{0};

// Stores in memory, each a vector of its own.
void* CreateMemoryStore(void*) {
  if (storesFail) return nullptr;
  ++storesAlive;
  return new Bytes;
}
bool AppendToMemory(void*, void* store, std::span<const std::uint8_t> more) {
  static_cast<Bytes*>(store)->insert(static_cast<Bytes*>(store)->end(), more.begin(), more.end());
  return true;
}
std::optional<std::span<const std::uint8_t>> MemoryContents(void*, void* store) {
  return std::span<const std::uint8_t>(*static_cast<Bytes*>(store));
}
void RemoveMemoryStore(void*, void* store) {
  --storesAlive;
  delete static_cast<Bytes*>(store);
}
void CountFailure(void*) { ++failuresReported; }

class CollationTest : public JobTest {
 public:
  void SetUp() override {
    JobTest::SetUp();
    variant = &kWin95Variant;
    storesFail = false;
    failuresReported = 0;
    collation = {nullptr,           CreateMemoryStore, AppendToMemory,
                 MemoryContents,    RemoveMemoryStore, CountFailure};
  }
  void TearDown() override {
    EXPECT_EQ(storesAlive, 0) << "a store outlived its job";
    JobTest::TearDown();
  }

  // Writes every chunk, each wholly taken, and leaves the job open.
  void Write(NetPort& port, const Bytes& data, const std::vector<std::size_t>& chunks) {
    std::size_t offset = 0;
    for (std::size_t chunk : chunks) {
      std::uint32_t written = 0;
      ASSERT_TRUE(WritePort(Context(), port, {data.data() + offset, chunk}, written).ok);
      ASSERT_EQ(written, chunk);
      offset += chunk;
    }
    ASSERT_EQ(offset, data.size());
  }

  // What the printer holds from the job so far, once it had time to read.
  Bytes ReceivedSoFar(const std::string& ip) {
    platform::SleepMs(100);
    const auto files = ConnectionFiles(ip);
    return files.empty() ? Bytes{} : ReadFile(files.back());
  }
};

TEST_F(CollationTest, ThreeCollatedCopiesFollowThePrologueWithCountersRunningOn) {
  auto port = Port("127.0.14.20");
  const DriverJob job = ThreeHundredByteJob();
  const Bytes data = BuildJob(job);
  ASSERT_EQ(data.size(), 300u);
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  Write(*port, data, {300});
  EXPECT_TRUE(ReceivedSoFar("127.0.14.20").empty()) << "sent before the job's end";
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  const auto jobs = FinishedJobs("127.0.14.20", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(WithoutTick(jobs[0], start), Expected(job, 3));
}

TEST_F(CollationTest, CollateClearGivesOneCopyStillThroughTheStore) {
  auto port = Port("127.0.14.21");
  DriverJob job = ThreeHundredByteJob();
  job.collate = false;
  job.b = 0;
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  Write(*port, BuildJob(job), {100, 200});
  EXPECT_TRUE(ReceivedSoFar("127.0.14.21").empty());
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  const auto jobs = FinishedJobs("127.0.14.21", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(WithoutTick(jobs[0], start), Expected(job, 1));
}

TEST_F(CollationTest, HeldFirstBytesAreExaminedWithTheNextWrite) {
  auto port = Port("127.0.14.22");
  const DriverJob job = ThreeHundredByteJob();
  Bytes data = BuildJob(job);
  Append(data, Bytes(5, 0));  // filler the record walk steps over
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  Write(*port, data, {5, 300});
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  const auto jobs = FinishedJobs("127.0.14.22", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(WithoutTick(jobs[0], start), Expected(job, 3));
}

// Long and short jobs without the header, and a short one that starts like
// it but carries no markers, held to the end: each arrives as it came.
TEST_F(CollationTest, JobsWithoutTheHeaderGoOutAsTheyCome) {
  auto port = Port("127.0.14.23");
  Bytes lookalike = BuildJob(ThreeHundredByteJob());
  lookalike.resize(40);
  const std::vector<Bytes> sent = {JobBytes(5000, 21), JobBytes(100, 22), lookalike,
                                   JobBytes(3, 23)};
  for (const Bytes& data : sent) EXPECT_EQ(Print(*port, data, {4096}), 1);
  const auto jobs = FinishedJobs("127.0.14.23", sent.size());
  ASSERT_EQ(jobs.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(jobs[i], sent[i]) << "job " << i;
  EXPECT_EQ(storesAlive, 0);
}

TEST_F(CollationTest, CancelledCollatingJobSendsNothingAndDoesNotWaitForThePrinter) {
  timings = {10000, 5000, 7200, 1000, 5000};
  auto port = Port("127.0.14.24");
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  Write(*port, BuildJob(ThreeHundredByteJob()), {300});
  EXPECT_TRUE(CancelJob(Context(), *port).ok);
  const std::uint32_t start = platform::TickCount();
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  EXPECT_LT(platform::TicksSince(start), 2000u) << "waited for a printer that never closes";
  EXPECT_TRUE(ReceivedSoFar("127.0.14.24").empty());
  EXPECT_TRUE(Datagrams("127.0.14.24", "exn").empty());
}

TEST_F(CollationTest, TwoPortsCollatingAtOnceSendTheirOwnPrologues) {
  DriverJob first = ThreeHundredByteJob();
  DriverJob second = ThreeHundredByteJob();
  second.a = 0x7777;
  second.b = 32;
  second.c = 0x5555;
  second.copies = 2;
  auto one = Port("127.0.14.25");
  auto two = Port("127.0.14.26");
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(StartDocPort(Context(), *one, u"printer", 1).ok);
  ASSERT_TRUE(StartDocPort(Context(), *two, u"printer", 2).ok);
  Write(*one, BuildJob(first), {300});
  Write(*two, BuildJob(second), {300});
  std::thread other([&] { EXPECT_TRUE(EndDocPort(Context(), *two).ok); });
  EXPECT_TRUE(EndDocPort(Context(), *one).ok);
  other.join();
  const auto firstJobs = FinishedJobs("127.0.14.25", 1);
  const auto secondJobs = FinishedJobs("127.0.14.26", 1);
  ASSERT_EQ(firstJobs.size(), 1u);
  ASSERT_EQ(secondJobs.size(), 1u);
  EXPECT_EQ(WithoutTick(firstJobs[0], start), Expected(first, 3));
  EXPECT_EQ(WithoutTick(secondJobs[0], start), Expected(second, 2));
}

TEST_F(CollationTest, StoreThatCannotBeMadeFailsTheWriteAndIsReportedAtTheEnd) {
  storesFail = true;
  auto port = Port("127.0.14.27");
  const Bytes data = BuildJob(ThreeHundredByteJob());
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  std::uint32_t written = 99;
  EXPECT_FALSE(WritePort(Context(), *port, data, written).ok);
  EXPECT_EQ(written, 0u);
  EXPECT_EQ(failuresReported, 0);
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  EXPECT_EQ(failuresReported, 1);
}

}  // namespace
}  // namespace portmon::test
