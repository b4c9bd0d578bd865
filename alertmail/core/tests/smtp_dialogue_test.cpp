#include "alertmail/core/smtp_dialogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace alertmail {
namespace {

// Records what is sent; fails the sends and receives it is told to.
class RecordingLink : public SmtpLink {
 public:
  bool Send(const std::string& bytes) override {
    sent.push_back(bytes);
    return sent.size() != failSend;
  }
  bool Receive() override { return ++receives != failReceive; }

  std::vector<std::string> sent;
  std::size_t failSend = 0;
  int receives = 0;
  int failReceive = 0;
};

SmtpMessage Message() {
  return {"host", "admin@x.test", {"a@x.test", "b@x.test", "admin@x.test"}, "To: a@x.test\r\n",
          "line\r\n.\r\n..two\r\n"};
}

TEST(SmtpDialogue, CommandsInOrderWithTheHeaderBehindData) {
  RecordingLink link;
  EXPECT_TRUE(RunSmtpDialogue(link, Message()).empty());
  EXPECT_EQ(link.sent, (std::vector<std::string>{
                           "HELO host\r\n", "MAIL FROM:<admin@x.test>\r\n",
                           "RCPT TO:<a@x.test>\r\n", "RCPT TO:<b@x.test>\r\n",
                           "RCPT TO:<admin@x.test>\r\n", "DATA\r\nTo: a@x.test\r\n",
                           "\r\nline\r\n..\r\n...two\r\n\r\n.\r\n", "QUIT\r\n"}));
  EXPECT_EQ(link.receives, 9);  // the greeting and one reply to each
}

TEST(SmtpDialogue, FailuresAreLoggedAndTheDialogueGoesOn) {
  RecordingLink link;
  link.failSend = 2;
  link.failReceive = 1;
  EXPECT_EQ(RunSmtpDialogue(link, Message()),
            (std::vector<std::string>{"データ受信に失敗しました。\r\n",
                                      "データ送信に失敗しました。\r\n"}));
  EXPECT_EQ(link.sent.size(), 8u);
}

TEST(SmtpDialogue, AFailedQuitIsNotReported) {
  RecordingLink link;
  link.failSend = 8;
  EXPECT_TRUE(RunSmtpDialogue(link, Message()).empty());
}

}  // namespace
}  // namespace alertmail
