#include "portmon/core/job_transmission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/tick.h"
#include "portmon/core/port_flags.h"
#include "portmon/core/spooler_calls.h"
#include "portmon/testing/job_test_support.h"

namespace portmon::test {
namespace {

using CallList = std::vector<std::string>;
const std::vector<std::size_t> kSpoolerChunks = {4096, 65536, 12345, 32768};

// Starts a job and writes until a write fails; a reset shows only once the
// connection's buffers have taken what they can.
bool WriteUntilFailure(JobTest& test, NetPort& port) {
  if (!StartDocPort(test.Context(), port, u"printer", 1).ok) return false;
  const auto chunk = JobBytes(65536);
  std::uint32_t written = 0;
  for (int i = 0; i < 1024; ++i) {
    if (!WritePort(test.Context(), port, chunk, written).ok) return true;
  }
  return false;
}

TEST_F(JobTest, JobsOfEverySizeArriveExactly) {
  auto port = Port("127.0.14.2");
  const std::size_t sizes[] = {0, 1, 65536, 100u << 20};
  for (std::size_t i = 0; i < std::size(sizes); ++i) {
    const auto data = JobBytes(sizes[i], static_cast<std::uint32_t>(i + 1));
    EXPECT_EQ(Print(*port, data, kSpoolerChunks), 1);
    const auto jobs = FinishedJobs("127.0.14.2", i + 1);
    ASSERT_EQ(jobs.size(), i + 1);
    EXPECT_TRUE(jobs[i] == data) << "job of " << sizes[i] << " bytes";
  }
  EXPECT_EQ(CallCount("sent"), 4);
}

TEST_F(JobTest, SilentNicStartsTheJobAndTheFirstWriteConnects) {
  auto port = Port("127.0.14.3");
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  EXPECT_EQ(port->flags & PF_CONNECTED, 0u);
  const auto data = JobBytes(5000);
  std::uint32_t written = 0;
  ASSERT_TRUE(WritePort(Context(), *port, data, written).ok);
  EXPECT_EQ(written, data.size());
  EXPECT_NE(port->flags & PF_CONNECTED, 0u);
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  const auto jobs = FinishedJobs("127.0.14.3", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_TRUE(jobs[0] == data);
}

TEST_F(JobTest, UnreachablePrinterTakesNothingUntilItComesUp) {
  auto port = Port("127.0.14.4");
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  const auto data = JobBytes(200000);
  for (int i = 0; i < 3; ++i) {
    std::uint32_t written = 99;
    ASSERT_TRUE(WritePort(Context(), *port, {data.data(), 4096}, written).ok);
    EXPECT_EQ(written, 0u);
  }
  ASSERT_TRUE(ControlPrinter("00:80:87:0E:00:04", "sinkListening=1"));
  EndDocPort(Context(), *port);
  EXPECT_EQ(Print(*port, data, kSpoolerChunks), 1);
  const auto jobs = FinishedJobs("127.0.14.4", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_TRUE(jobs[0] == data);
}

TEST_F(JobTest, ResetInTheMiddleRestartsTheJobWhichThenArrivesWhole) {
  auto port = Port("127.0.14.5");
  ASSERT_TRUE(WriteUntilFailure(*this, *port)) << "the printer's reset was not reported";
  EXPECT_EQ(CallCount("restart"), 1);
  EndDocPort(Context(), *port);
  ASSERT_TRUE(ControlPrinter("00:80:87:0E:00:05", "resetAfter=0"));
  const auto data = JobBytes(1 << 20);
  EXPECT_EQ(Print(*port, data, kSpoolerChunks), 1);
  const auto jobs = FinishedJobs("127.0.14.5", 2);
  ASSERT_EQ(jobs.size(), 2u);
  EXPECT_LT(jobs[0].size(), data.size());
  EXPECT_TRUE(jobs[1] == data);
}

TEST_F(JobTest, ResetOnABidirectionalPrinterFailsWithoutRestart) {
  spooler.attributes = kPrinterAttributeEnableBidi;
  auto port = Port("127.0.14.8");
  EXPECT_TRUE(WriteUntilFailure(*this, *port));
  EXPECT_EQ(CallCount("restart"), 0);
  EndDocPort(Context(), *port);
}

TEST_F(JobTest, PrinterThatStopsReadingGetsThePartialCountAndLaterTheRest) {
  timings = {500, 7200000, 7200};
  auto port = Port("127.0.14.6");
  const auto data = JobBytes(16 << 20);
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  std::uint32_t written = 0;
  const std::uint32_t start = platform::TickCount();
  ASSERT_TRUE(WritePort(Context(), *port, data, written).ok);
  EXPECT_GE(platform::TicksSince(start), 450u);
  EXPECT_LT(written, data.size());
  ASSERT_TRUE(ControlPrinter("00:80:87:0E:00:06", "stopReading=0"));
  std::size_t offset = written;
  while (offset < data.size()) {
    ASSERT_TRUE(WritePort(Context(), *port, {data.data() + offset, data.size() - offset}, written).ok);
    offset += written;
  }
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  const auto jobs = FinishedJobs("127.0.14.6", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_TRUE(jobs[0] == data) << "bytes lost or sent twice";
}

TEST_F(JobTest, CancelledJobSendsOneNoticeNamingTheConnectionAndDoesNotDrain) {
  auto port = Port("127.0.14.7");
  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  std::uint32_t written = 0;
  ASSERT_TRUE(WritePort(Context(), *port, JobBytes(1000), written).ok);
  std::uint16_t linkPort = 0;
  ASSERT_EQ(port->job.socket.LocalPort(linkPort), 0);
  spooler.jobStatus = kJobStatusDeleting;
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  const auto notices = Datagrams("127.0.14.7", "exn");
  ASSERT_EQ(notices.size(), 1u);
  ASSERT_EQ(notices[0].size(), 13u);
  EXPECT_EQ(notices[0][11], linkPort >> 8);
  EXPECT_EQ(notices[0][12], linkPort & 0xFF);
  EXPECT_EQ(Calls(), (CallList{"open", "getjob", "sent", "close"}));
}

TEST_F(JobTest, EntriesOutOfOrderAreRefusedHarmlessly) {
  auto port = Port("127.0.14.2");
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
  EXPECT_EQ(Calls(), CallList{});
  std::uint8_t buffer[16];
  std::uint32_t read = 99;
  JobResult result = ReadPort(Context(), *port, buffer, read);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, 170u);  // ERROR_BUSY
  EXPECT_EQ(read, 0u);

  ASSERT_TRUE(StartDocPort(Context(), *port, u"printer", 1).ok);
  result = StartDocPort(Context(), *port, u"printer", 2);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, 170u);
  std::uint32_t written = 99;
  EXPECT_TRUE(WritePort(Context(), *port, {}, written).ok);
  EXPECT_EQ(written, 0u);
  EXPECT_FALSE(ReadPort(Context(), *port, buffer, read).ok);  // nothing to read yet
  EXPECT_EQ(read, 0u);
  EXPECT_TRUE(EndDocPort(Context(), *port).ok);
}

}  // namespace
}  // namespace portmon::test
