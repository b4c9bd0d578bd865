// Collated copies on the 95 line, against the simulated printers' print
// sinks. What the printer must receive is worked out here from the job's
// bytes and the printer language's fixed blocks, not by the code under test.
#include "portmon/core/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "platform/tick.h"
#include "portmon/core/spooler_calls.h"
#include "portmon/core/tests/job_test_support.h"

namespace portmon::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The job prologue with its four fields still zero.
const Bytes kPrologue = {
    0x1b, 0x5b, 0x4b, 0x03, 0x00, 0x00, 0x31, 0x13, 0xff, 0xff, 0x00, 0x18, 0xff, 0xff, 0xff, 0xff,
    0x00, 0x06, 0x00, 0x0d, 0x00, 0x00, 0x00, 0x0c, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x33, 0x03, 0x1d, 0xe5, 0xff, 0xff, 0x00, 0x18, 0xff, 0xff, 0xff, 0xff,
    0x00, 0x06, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x33, 0x03, 0x1d, 0xe5, 0xff, 0xff, 0x00, 0x18, 0xff, 0xff, 0xff, 0xff,
    0x00, 0x06, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x33, 0x03, 0x1d, 0xe5, 0xff, 0xff, 0x00, 0x18, 0xff, 0xff, 0xff, 0xff,
    0x00, 0x06, 0x00, 0x0c, 0x00, 0x00, 0x00, 0x0c, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x33, 0x03, 0x1d, 0xe5, 0xff, 0xff, 0x00, 0x18, 0xff, 0xff, 0xff, 0xff,
    0x00, 0x06, 0x00, 0x0a, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x33, 0x03, 0x1d, 0xe5, 0x00, 0x00, 0x00, 0x12, 0xff, 0xff, 0xff, 0xff,
    0x00, 0x05, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x0c, 0xff, 0x33, 0x03,
    0x1d, 0xe5,
};
const Bytes kTrailer = {0x33, 0x03, 0x1d, 0xe5};
constexpr std::size_t kTickField = 184;

struct DriverJob {
  std::int16_t copies = 3;
  bool collate = true;
  std::uint16_t a = 0x0102, b = 3, c = 0x0A0B;
  std::vector<Bytes> records;
};

void PutLe16(Bytes& out, std::size_t at, unsigned value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// A marker whose key stands 12 bytes on, in four aligned units.
Bytes Marker(std::uint8_t key) {
  return {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04,
          key,  0x00, 0x00, 0x00};
}

// A 32-byte header, the two markers, then the page records padded to four.
Bytes BuildJob(const DriverJob& job) {
  Bytes out(32, 0);
  out[1] = 0xF0;
  out[3] = 0x01;
  PutLe16(out, 4, 4);
  PutLe16(out, 6, 32);
  PutLe16(out, 8, static_cast<std::uint16_t>(job.copies));
  PutLe16(out, 18, job.a);
  PutLe16(out, 20, job.b);
  PutLe16(out, 22, job.c);
  out[24] = job.collate ? 0x08 : 0x00;
  Append(out, Marker(0));
  Append(out, Marker(5));
  for (const Bytes& record : job.records) {
    Bytes unit(4 + (record.size() + 3) / 4 * 4, 0);
    PutLe16(unit, 0, 3);
    PutLe16(unit, 2, static_cast<unsigned>(record.size()));
    std::copy(record.begin(), record.end(), unit.begin() + 4);
    Append(out, unit);
  }
  return out;
}

// Three records making a 300-byte job.
DriverJob ThreeHundredByteJob() {
  DriverJob job;
  job.records = {JobBytes(60, 11), JobBytes(77, 12), JobBytes(81, 13)};
  return job;
}

void PutBe32(Bytes& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

Bytes Expected(const DriverJob& job, int copies) {
  Bytes out = kPrologue;
  PutBe32(out, 148, job.b == 0 ? 0xFFFFFFFFu : 1u << (job.b - 1));
  PutBe32(out, 152, job.c);
  PutBe32(out, 156, job.a);
  std::uint16_t counter = 0;
  for (int copy = 0; copy < copies; ++copy) {
    for (const Bytes& record : job.records) {
      ++counter;
      Append(out, {static_cast<std::uint8_t>(counter >> 8), static_cast<std::uint8_t>(counter),
                   static_cast<std::uint8_t>(record.size() >> 8),
                   static_cast<std::uint8_t>(record.size())});
      Append(out, record);
      Append(out, kTrailer);
    }
  }
  Append(out, {0xff, 0xff, 0x00, 0x18, 0xff, 0xff, 0xff, 0xff, 0x00, 0x06, 0x00, 0x08});
  Append(out, Bytes(16, 0));
  Append(out, kTrailer);
  return out;
}

std::uint32_t TickField(const Bytes& received) {
  std::uint32_t tick = 0;
  for (int i = 0; i < 4; ++i) tick = (tick << 8) | received[kTickField + i];
  return tick;
}

// The printer's data with the tick field blanked, after checking it lies
// within the job's time.
Bytes WithoutTick(Bytes received, std::uint32_t startTick) {
  if (received.size() < kPrologue.size()) return received;
  EXPECT_LE(TickField(received) - startTick, platform::TicksSince(startTick));
  std::fill_n(received.begin() + kTickField, 4, 0);
  return received;
}

// A store in memory that counts the stores alive.
std::atomic<int> storesAlive{0};
std::atomic<bool> storesFail{false};
std::atomic<int> failuresReported{0};

class MemoryStore : public CollationStore {
 public:
  MemoryStore() { ++storesAlive; }
  ~MemoryStore() override { --storesAlive; }
  bool Append(std::span<const std::uint8_t> more) override {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return true;
  }
  std::optional<std::span<const std::uint8_t>> Contents() override { return bytes_; }

 private:
  Bytes bytes_;
};

class CollationTest : public JobTest {
 public:
  void SetUp() override {
    JobTest::SetUp();
    variant = &kWin95Variant;
    storesFail = false;
    failuresReported = 0;
    SetCollationCalls({[]() -> std::unique_ptr<CollationStore> {
                         if (storesFail) return nullptr;
                         return std::make_unique<MemoryStore>();
                       },
                       [] { ++failuresReported; }});
  }
  void TearDown() override {
    SetCollationCalls({[] { return std::unique_ptr<CollationStore>(); }, [] {}});
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
  SetJobTimings({10000, 5000, 7200, 1000, 5000});
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
