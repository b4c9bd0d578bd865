// Sessions of a sink in accept mode, over real connections: recorded byte
// for byte, each in its own file, in place by the time QUIT is answered.

#include <gtest/gtest.h>

#include "tools/smtpsink/smtp_sink.h"
#include "tools/smtpsink/tests/recorded_session.h"
#include "tools/smtpsink/tests/smtp_client.h"

namespace smtpsink::test {
namespace {

constexpr char kAddress[] = "127.0.10.2";

class SinkSessionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(sink_.Start(&error)) << error;
  }

  SmtpClient Connect() { return SmtpClient(kAddress, sink_.port()); }

  // Sends each part and reads the reply to it, as the mail sender does;
  // gives the codes of the replies.
  static std::string Converse(SmtpClient& client, const std::vector<std::string>& sends) {
    std::string codes = client.ReadReply().substr(0, 3);
    for (const std::string& send : sends) {
      EXPECT_TRUE(client.Send(send));
      codes += " " + client.ReadReply().substr(0, 3);
    }
    return codes;
  }

  TestFolder folder_;
  SmtpSink sink_{{kAddress, 0, SinkMode::kAccept, folder_.path()}};
};

TEST_F(SinkSessionsTest, SenderSessionWithSeveralRecipientsIsRecordedExactly) {
  const auto sends = SenderSends({"a@x.test", "b@x.test", "admin@example.test"}, "line");
  SmtpClient client = Connect();
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(Converse(client, sends), "220 250 250 250 250 250 354 250 221");
  // Answered QUIT: the session is already in place and logged.
  EXPECT_EQ(RecordedSession(folder_.path(), 1), Joined(sends));
  const auto log = SessionLog(folder_.path());
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].rfind("session-0001.txt 127.0.0.1:", 0), 0u) << log[0];
  const std::string tail = " accept quit " + std::to_string(Joined(sends).size());
  EXPECT_TRUE(log[0].ends_with(tail)) << log[0];
  EXPECT_EQ(client.FinishAndReadRest(), "");
}

TEST_F(SinkSessionsTest, DotLinesStayAsSentAndOnlyTheEndLineEndsTheMessage) {
  const std::vector<std::string> commands = {"HELO pc\r\n", "MAIL FROM:<a@x.test>\r\n",
                                             "RCPT TO:<b@x.test>\r\n", "DATA\r\nSubject: dots\r\n"};
  const std::string body = "\r\n..stuffed\r\n.x\r\n. \r\nbare\n.\nlf\r\n.\r";
  SmtpClient client = Connect();
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(Converse(client, commands), "220 250 250 250 354");
  // The end's last byte comes with QUIT: only then is the message taken,
  // and had a dot line before ended it, the rest would get 500s.
  ASSERT_TRUE(client.Send(body));
  ASSERT_TRUE(client.Send("\nQUIT\r\n"));
  EXPECT_EQ(client.ReadReply().substr(0, 3), "250");
  EXPECT_EQ(client.ReadReply().substr(0, 3), "221");
  EXPECT_EQ(RecordedSession(folder_.path(), 1), Joined(commands) + body + "\nQUIT\r\n");
}

TEST_F(SinkSessionsTest, TwoSessionsAtOnceGiveTwoFilesInAcceptOrder) {
  const auto first = SenderSends({"first@x.test"}, "first");
  const auto second = SenderSends({"second@x.test"}, "second");
  SmtpClient early = Connect();
  SmtpClient late = Connect();
  ASSERT_TRUE(early.connected() && late.connected());
  EXPECT_EQ(Converse(late, second), "220 250 250 250 354 250 221");
  EXPECT_EQ(Converse(early, first), "220 250 250 250 354 250 221");
  EXPECT_EQ(RecordedSession(folder_.path(), 1), Joined(first));
  EXPECT_EQ(RecordedSession(folder_.path(), 2), Joined(second));
  const auto log = SessionLog(folder_.path());
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].rfind("session-0002.txt ", 0), 0u) << log[0];
}

TEST_F(SinkSessionsTest, StoppingRecordsOpenSessionsAsTheyStand) {
  SmtpClient client = Connect();
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(Converse(client, {"HELO pc\r\n", "NOOP\r\n"}), "220 250 250");
  sink_.Stop();
  EXPECT_EQ(RecordedSession(folder_.path(), 1), "HELO pc\r\nNOOP\r\n");
  const auto log = SessionLog(folder_.path());
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(log[0].ends_with(" accept stopped 15")) << log[0];
}

}  // namespace
}  // namespace smtpsink::test
