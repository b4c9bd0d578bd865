// One job from the queue to the printer its header chooses: held until the
// header decides, then straight through; pauses, cancels and failing steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "common/seam.h"
#include "printproc/core/job_run.h"

namespace printproc {
namespace {

std::string Header(const std::string& items) {
  const std::string body = "PDStart" + items + "PDEnd";
  return "\x1C" + std::to_string(body.size()) + "z" + body;
}

// The queue serves `job` in pieces of at most `piece` bytes; the printer
// keeps what it is sent.
struct FakeJob {
  std::string job;
  std::size_t piece = kJobPieceSize;
  std::size_t readAt = 0;
  int readsBeforeCancel = -1;  // -1: never cancelled
  bool readFails = false;
  bool startFails = false;
  bool writeFails = false;

  std::optional<JobHeader> started;
  int starts = 0;
  std::string printed;
  int reads = 0;
  bool isCancelled = false;

  JobRunCalls calls() {
    return {this, Through<&FakeJob::WaitWhilePaused>, Through<&FakeJob::Read>,
            Through<&FakeJob::Start>, Through<&FakeJob::Write>, Through<&FakeJob::Cancelled>};
  }
  bool WaitWhilePaused() {
    if (readsBeforeCancel >= 0 && reads >= readsBeforeCancel) isCancelled = true;
    return !isCancelled;
  }
  bool Read(std::span<std::uint8_t> into, std::size_t& read) {
    ++reads;
    if (readFails) return false;
    read = std::min({job.size() - readAt, into.size(), piece});
    std::copy_n(job.begin() + static_cast<long>(readAt), read, into.begin());
    readAt += read;
    return true;
  }
  bool Start(const JobHeader& header) {
    ++starts;
    started = header;
    return !startFails;
  }
  bool Write(Bytes data) {
    if (writeFails) return false;
    printed.append(data.begin(), data.end());
    return true;
  }
  bool Cancelled() { return isCancelled; }
};

TEST(JobRun, TheHeaderChoosesThePrinterAndTheWholeJobFollows) {
  for (std::size_t piece : {std::size_t{1}, std::size_t{7}, kJobPieceSize}) {
    FakeJob fake;
    fake.job = std::string(6000, 'a') + Header("PDD=3 PMemory=16") + std::string(9000, 'b');
    fake.piece = piece;
    ASSERT_TRUE(RunJob(fake.calls())) << piece;
    ASSERT_TRUE(fake.started);
    EXPECT_EQ(fake.started->dispatchMode, 3);
    EXPECT_EQ(fake.started->memory, 16);
    EXPECT_EQ(fake.starts, 1);
    EXPECT_EQ(fake.printed, fake.job) << piece;
  }
}

TEST(JobRun, AJobWithoutHeaderOrWithABrokenOneGoesOutAsIs) {
  for (const std::string& job : {std::string(10000, 'x'), "\x1C" "40zPDStartPDD=" + std::string(100, 'y')}) {
    FakeJob fake;
    fake.job = job;
    ASSERT_TRUE(RunJob(fake.calls()));
    ASSERT_TRUE(fake.started);
    EXPECT_EQ(*fake.started, JobHeader{});
    EXPECT_EQ(fake.printed, job);
  }
}

TEST(JobRun, ACancelledJobIsNotSentAndAnEmptyOneStartsNothingTwice) {
  FakeJob cancelled;
  cancelled.job = std::string(20000, 'x');
  cancelled.readsBeforeCancel = 2;
  EXPECT_TRUE(RunJob(cancelled.calls()));
  EXPECT_EQ(cancelled.starts, 0);
  EXPECT_TRUE(cancelled.printed.empty());

  FakeJob empty;
  EXPECT_TRUE(RunJob(empty.calls()));
  EXPECT_EQ(empty.starts, 1);
  EXPECT_TRUE(empty.printed.empty());
}

TEST(JobRun, AFailingStepEndsTheRun) {
  FakeJob unreadable;
  unreadable.job = "data";
  unreadable.readFails = true;
  EXPECT_FALSE(RunJob(unreadable.calls()));
  EXPECT_EQ(unreadable.starts, 0);

  FakeJob unstartable;
  unstartable.job = Header("PDD=1") + "data";
  unstartable.startFails = true;
  EXPECT_FALSE(RunJob(unstartable.calls()));
  EXPECT_TRUE(unstartable.printed.empty());

  FakeJob refusing;
  refusing.job = Header("PDD=1") + std::string(9000, 'd');
  refusing.writeFails = true;
  EXPECT_FALSE(RunJob(refusing.calls()));
  EXPECT_EQ(refusing.reads, 1);  // no further piece is read
}

}  // namespace
}  // namespace printproc
