// The failing servers: reject, close and silent, each still recording what
// the client sent.

#include <filesystem>

#include <gtest/gtest.h>

#include "tools/smtpsink/smtp_sink.h"
#include "tools/smtpsink/tests/recorded_session.h"
#include "tools/smtpsink/tests/smtp_client.h"

namespace smtpsink::test {
namespace {

constexpr char kAddress[] = "127.0.10.3";

class SinkModesTest : public ::testing::Test {
 protected:
  SmtpClient Start(SinkMode mode) {
    sink_ = std::make_unique<SmtpSink>(SinkSettings{kAddress, 0, mode, folder_.path()});
    std::string error;
    EXPECT_TRUE(sink_->Start(&error)) << error;
    return SmtpClient(kAddress, sink_->port());
  }

  std::string OnlyLogLine() {
    const auto log = SessionLog(folder_.path());
    return log.size() == 1 ? log[0] : "";
  }

  TestFolder folder_;
  std::unique_ptr<SmtpSink> sink_;
  const std::vector<std::string> sends_ = SenderSends({"a@x.test", "b@x.test"}, "body");
};

TEST_F(SinkModesTest, RejectAnswers554ToEverythingAndRecordsTheWholeSession) {
  SmtpClient client = Start(SinkMode::kReject);
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(client.ReadReply().substr(0, 4), "554 ");
  for (const std::string& send : sends_) {
    ASSERT_TRUE(client.Send(send));
    EXPECT_EQ(client.ReadReply().substr(0, 4), "554 ") << send;
  }
  EXPECT_EQ(client.FinishAndReadRest(), "");
  EXPECT_EQ(RecordedSession(folder_.path(), 1), Joined(sends_));
  EXPECT_TRUE(OnlyLogLine().ends_with(" reject quit " + std::to_string(Joined(sends_).size())));
}

TEST_F(SinkModesTest, CloseEndsTheConnectionWithoutGreetingAndRecordsItEmpty) {
  SmtpClient client = Start(SinkMode::kClose);
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(client.FinishAndReadRest(), "");
  const std::string file = folder_.path() + "/session-0001.txt";
  EXPECT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(ReadFile(file), "");
  EXPECT_TRUE(OnlyLogLine().ends_with(" close closed 0")) << OnlyLogLine();
}

TEST_F(SinkModesTest, SilentNeverAnswersAndRecordsUntilTheClientCloses) {
  SmtpClient client = Start(SinkMode::kSilent);
  ASSERT_TRUE(client.connected());
  ASSERT_TRUE(client.Send(Joined(sends_)));
  EXPECT_EQ(client.FinishAndReadRest(), "");
  EXPECT_EQ(RecordedSession(folder_.path(), 1), Joined(sends_));
  EXPECT_TRUE(OnlyLogLine().ends_with(" silent eof " + std::to_string(Joined(sends_).size())));
}

}  // namespace
}  // namespace smtpsink::test
