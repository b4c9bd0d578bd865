// Raw print jobs on TCP 9100 and the print sink's faults.

#include <fcntl.h>
#include <sys/socket.h>

#include <cerrno>
#include <gtest/gtest.h>

#include "tools/nicsim/monotonic_time.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

class PrintSinkTest : public ::testing::Test {
 protected:
  void Start(const SimNic& nic) {
    std::string error;
    ASSERT_TRUE(simulator_.Start({nic}, &error)) << error;
  }

  TestFolder folder_;
  Simulator simulator_{folder_.path()};
};

// What the port monitor does at the end of a job: finish sending, then wait
// for the printer to close.
void EndJob(int fd) {
  ::shutdown(fd, SHUT_WR);
  char scratch[256];
  while (::recv(fd, scratch, sizeof scratch, 0) > 0) {
  }
}

TEST_F(PrintSinkTest, JobArrivesByteExactInItsOwnFile) {
  Start(TestNic("127.0.9.40", "00:80:87:09:00:40"));
  const std::vector<std::uint8_t> data = Pattern(1 << 20);
  const tools::UniqueFd fd = ConnectPrinter("127.0.9.40");
  ASSERT_TRUE(fd);
  ASSERT_TRUE(SendAll(fd.get(), data));
  EndJob(fd.get());
  ASSERT_TRUE(simulator_.WaitForEvent("job", kReplyWaitMs));
  const auto jobs = EventsOfKind(simulator_, "job");
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].size, data.size());
  EXPECT_NE(jobs[0].path.find("127.0.9.40-1.prn"), std::string::npos);
  EXPECT_EQ(ReadFile(jobs[0].path), data);
  EXPECT_EQ(EventsOfKind(simulator_, "connect").size(), 1u);
}

TEST_F(PrintSinkTest, SeveralConnectionsAtOnceEachGetAFile) {
  Start(TestNic("127.0.9.46", "00:80:87:09:00:46"));
  const tools::UniqueFd first = ConnectPrinter("127.0.9.46");
  const tools::UniqueFd second = ConnectPrinter("127.0.9.46");
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(SendAll(second.get(), Pattern(1000)));
  ASSERT_TRUE(SendAll(first.get(), Pattern(2000)));
  EndJob(second.get());
  EndJob(first.get());
  simulator_.Stop();  // both jobs are recorded once serving has ended
  const auto jobs = EventsOfKind(simulator_, "job");
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_EQ(jobs[0].size + jobs[1].size, 3000u);
  EXPECT_NE(jobs[0].path, jobs[1].path);
}

TEST_F(PrintSinkTest, ResetAfterKeepsThePartialJobAndResetsTheSender) {
  SimNic nic = TestNic("127.0.9.41", "00:80:87:09:00:41");
  nic.sink.resetAfter = 1000;
  Start(nic);
  const std::vector<std::uint8_t> data = Pattern(4000);
  const tools::UniqueFd fd = ConnectPrinter("127.0.9.41");
  ASSERT_TRUE(fd);
  ASSERT_TRUE(SendAll(fd.get(), data));
  ASSERT_TRUE(simulator_.WaitForEvent("job", kReplyWaitMs));
  char byte = 0;
  EXPECT_EQ(::recv(fd.get(), &byte, 1, 0), -1);
  EXPECT_EQ(errno, ECONNRESET);
  const auto jobs = EventsOfKind(simulator_, "job");
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].size, 1000u);
  EXPECT_EQ(ReadFile(jobs[0].path), std::vector<std::uint8_t>(data.begin(), data.begin() + 1000));
}

TEST_F(PrintSinkTest, CloseAfterEndsTheConnectionInOrder) {
  SimNic nic = TestNic("127.0.9.42", "00:80:87:09:00:42");
  nic.sink.closeAfter = 500;
  Start(nic);
  const tools::UniqueFd fd = ConnectPrinter("127.0.9.42");
  ASSERT_TRUE(fd);
  ASSERT_TRUE(SendAll(fd.get(), Pattern(500)));
  char byte = 0;
  EXPECT_EQ(::recv(fd.get(), &byte, 1, 0), 0);
  ASSERT_TRUE(simulator_.WaitForEvent("job", kReplyWaitMs));
  EXPECT_EQ(EventsOfKind(simulator_, "job")[0].size, 500u);
}

TEST_F(PrintSinkTest, NotListeningRefusesConnections) {
  SimNic nic = TestNic("127.0.9.43", "00:80:87:09:00:43");
  nic.sink.listening = false;
  Start(nic);
  int error = 0;
  EXPECT_FALSE(ConnectPrinter("127.0.9.43", &error));
  EXPECT_EQ(error, ECONNREFUSED);
  nic.sink.listening = true;
  ASSERT_TRUE(simulator_.Update(nic));
  EXPECT_TRUE(ConnectPrinter("127.0.9.43"));
}

TEST_F(PrintSinkTest, StoppedReaderFillsTheWindowUntilResumed) {
  SimNic nic = TestNic("127.0.9.44", "00:80:87:09:00:44");
  nic.sink.stopReading = true;
  Start(nic);
  const tools::UniqueFd fd = ConnectPrinter("127.0.9.44");
  ASSERT_TRUE(fd);
  ::fcntl(fd.get(), F_SETFL, O_NONBLOCK);
  const std::vector<std::uint8_t> chunk = Pattern(64 * 1024);
  std::uint64_t sent = 0;
  ssize_t n = 0;
  for (int i = 0; i < 4096 && (n = ::send(fd.get(), chunk.data(), chunk.size(), 0)) > 0; ++i) {
    sent += static_cast<std::uint64_t>(n);
  }
  ASSERT_EQ(n, -1);
  EXPECT_EQ(errno, EAGAIN);

  nic.sink.stopReading = false;
  ASSERT_TRUE(simulator_.Update(nic));
  ::fcntl(fd.get(), F_SETFL, 0);
  EndJob(fd.get());
  ASSERT_TRUE(simulator_.WaitForEvent("job", kReplyWaitMs));
  EXPECT_EQ(EventsOfKind(simulator_, "job")[0].size, sent);
}

TEST_F(PrintSinkTest, SlowReaderTakesItsTime) {
  SimNic nic = TestNic("127.0.9.45", "00:80:87:09:00:45");
  nic.sink.bytesPerSecond = 10000;  // reads 1000 bytes every 100 ms
  Start(nic);
  const MonoNs start = MonotonicNow();
  const tools::UniqueFd fd = ConnectPrinter("127.0.9.45");
  ASSERT_TRUE(fd);
  ASSERT_TRUE(SendAll(fd.get(), Pattern(3000)));
  EndJob(fd.get());
  const MonoNs elapsed = MonotonicNow() - start;
  EXPECT_GE(elapsed, 250 * kNsPerMs);
  ASSERT_TRUE(simulator_.WaitForEvent("job", kReplyWaitMs));
  EXPECT_EQ(EventsOfKind(simulator_, "job")[0].size, 3000u);
}

}  // namespace
}  // namespace nicsim::test
