#pragma once
// Reaching the mail server: its address (a dotted address as it is, else
// the name looked up), the port of the service "SMTP" from the system's
// services database (there is no built-in default), and the connection.

#include <string>

#include "alertmail/core/smtp_dialogue.h"
#include "platform/tcp_socket.h"

namespace alertmail {

class SmtpConnection : public SmtpLink {
 public:
  // Returns the log message of what failed, or empty when connected.
  std::string Connect(const std::string& server);

  bool Send(const std::string& bytes) override;
  bool Receive() override;

 private:
  platform::TcpSocket socket_;
};

}  // namespace alertmail
