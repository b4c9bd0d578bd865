// The replies each mode gives, whatever pieces the client sends in.

#include "tools/smtpsink/sink_dialogue.h"

#include <sstream>

#include <gtest/gtest.h>

#include "tools/smtpsink/tests/recorded_session.h"

namespace smtpsink::test {
namespace {

// The three-digit codes of `replies`, one after the other.
std::string Codes(const std::string& replies) {
  std::istringstream lines(replies);
  std::string codes;
  for (std::string line; std::getline(lines, line);) codes += line.substr(0, 3) + " ";
  return codes;
}

const std::vector<std::string> kSends = SenderSends({"a@x.test", "b@x.test"}, "body");

TEST(SinkDialogue, AcceptGivesOneReplyPerSenderStep) {
  SinkDialogue dialogue(SinkMode::kAccept);
  std::string codes = Codes(dialogue.Greeting());
  for (const std::string& send : kSends) codes += "| " + Codes(dialogue.Take(send));
  EXPECT_EQ(codes, "220 | 250 | 250 | 250 | 250 | 354 | 250 | 221 ");
  EXPECT_TRUE(dialogue.ended());
}

TEST(SinkDialogue, PipelinedOrBytewiseInputGivesTheSameReplies) {
  SinkDialogue whole(SinkMode::kAccept);
  SinkDialogue bytewise(SinkMode::kAccept);
  const std::string all = Joined(kSends);
  std::string replies;
  for (char c : all) replies += bytewise.Take(std::string_view(&c, 1));
  EXPECT_EQ(whole.Take(all), replies);
  EXPECT_EQ(Codes(replies), "250 250 250 250 354 250 221 ");
}

TEST(SinkDialogue, CommandsOutOfOrderAreRefused) {
  SinkDialogue dialogue(SinkMode::kAccept);
  EXPECT_EQ(Codes(dialogue.Take("rcpt to:<a@x.test>\r\nDATA\r\nhelo pc\r\nmail from:<>\r\n"
                                "MAIL FROM:<>\r\nDATA\r\nNOOP\r\nRSET\r\nEXPN x\r\n")),
            "503 503 250 250 503 503 250 250 500 ");
}

TEST(SinkDialogue, NothingAfterQuitIsTaken) {
  SinkDialogue dialogue(SinkMode::kAccept);
  EXPECT_EQ(Codes(dialogue.Take("QUIT\r\nNOOP\r\n")), "221 ");
  EXPECT_EQ(dialogue.Take("NOOP\r\n"), "");
}

TEST(SinkDialogue, RejectRefusesEverythingAndReadsDataToItsEnd) {
  SinkDialogue dialogue(SinkMode::kReject);
  std::string codes = Codes(dialogue.Greeting());
  for (const std::string& send : kSends) codes += "| " + Codes(dialogue.Take(send));
  EXPECT_EQ(codes, "554 | 554 | 554 | 554 | 554 | 554 | 554 | 554 ");
  EXPECT_TRUE(dialogue.ended());
}

TEST(SinkDialogue, SilentNeverAnswers) {
  SinkDialogue dialogue(SinkMode::kSilent);
  EXPECT_EQ(dialogue.Greeting() + dialogue.Take(Joined(kSends)), "");
  EXPECT_FALSE(dialogue.ended());
}

}  // namespace
}  // namespace smtpsink::test
