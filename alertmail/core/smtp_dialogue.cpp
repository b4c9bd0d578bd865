#include "alertmail/core/smtp_dialogue.h"

namespace alertmail {
namespace {

constexpr char kSendFailed[] = "データ送信に失敗しました。\r\n";
constexpr char kReceiveFailed[] = "データ受信に失敗しました。\r\n";

class Dialogue {
 public:
  explicit Dialogue(SmtpLink& link) : link_(link) {}

  void Exchange(const std::string& command) {
    if (!link_.Send(command)) errors_.push_back(kSendFailed);
    Read();
  }

  void Read() {
    if (!link_.Receive()) errors_.push_back(kReceiveFailed);
  }

  void Quit() {
    link_.Send("QUIT\r\n");
    Read();
  }

  std::vector<std::string> errors() const { return errors_; }

 private:
  SmtpLink& link_;
  std::vector<std::string> errors_;
};

}  // namespace

std::string DotStuffed(const std::string& body) {
  std::string stuffed;
  stuffed.reserve(body.size() + 16);
  bool lineStart = true;
  for (char c : body) {
    if (lineStart && c == '.') stuffed += '.';
    stuffed += c;
    lineStart = c == '\n';
  }
  return stuffed;
}

std::vector<std::string> RunSmtpDialogue(SmtpLink& link, const SmtpMessage& message) {
  Dialogue dialogue(link);
  dialogue.Read();
  dialogue.Exchange("HELO " + message.helo + "\r\n");
  dialogue.Exchange("MAIL FROM:<" + message.sender + ">\r\n");
  for (const std::string& recipient : message.recipients) {
    dialogue.Exchange("RCPT TO:<" + recipient + ">\r\n");
  }
  dialogue.Exchange("DATA\r\n" + message.header);
  dialogue.Exchange("\r\n" + DotStuffed(message.body) + "\r\n.\r\n");
  dialogue.Quit();
  return dialogue.errors();
}

}  // namespace alertmail
