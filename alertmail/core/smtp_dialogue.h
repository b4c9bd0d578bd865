#pragma once
// The SMTP dialogue of one mail. Replies are read but not examined: the
// dialogue goes on whatever the server answers, and a failed send or
// receive is logged and passed over.

#include <string>
#include <vector>

namespace alertmail {

inline constexpr std::size_t kLineBufferSize = 4069;

// What the dialogue needs of the connection.
class SmtpLink {
 public:
  virtual bool Send(const std::string& bytes) = 0;
  // One receive of at most kLineBufferSize bytes; false when it failed.
  virtual bool Receive() = 0;

 protected:
  ~SmtpLink() = default;
};

struct SmtpMessage {
  std::string helo;                     // this host's name
  std::string sender;                   // envelope sender
  std::vector<std::string> recipients;  // in order
  std::string header;                   // sent in one piece with DATA
  std::string body;                     // ISO-2022-JP, before dot-stuffing
};

// Returns the log messages of what failed.
std::vector<std::string> RunSmtpDialogue(SmtpLink& link, const SmtpMessage& message);

// A body line that begins with '.' gets a second one, so no line of the
// text can end the data or be read as a command; receivers take it off.
std::string DotStuffed(const std::string& body);

}  // namespace alertmail
