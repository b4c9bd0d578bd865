#pragma once
// The client's side as plain blocking sockets: what a test needs to talk to
// the sink the way a mail sender does.

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/shared/unique_fd.h"

namespace smtpsink::test {

// Long enough never to cut a reply short, yet it is only ever waited out
// when a test fails.
inline constexpr int kReplyWaitMs = 5000;

class SmtpClient {
 public:
  SmtpClient(const std::string& ip, std::uint16_t port);
  bool connected() const { return static_cast<bool>(fd_); }

  // Everything in one send, as the mail sender sends DATA with its header.
  bool Send(std::string_view bytes);

  // One reply line with its CR LF; "" when the sink closed or said nothing.
  std::string ReadReply();

  // Stops sending, then reads until the sink closes: everything it still sent.
  std::string FinishAndReadRest();

 private:
  tools::UniqueFd fd_;
};

}  // namespace smtpsink::test
