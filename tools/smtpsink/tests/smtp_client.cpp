#include "tools/smtpsink/tests/smtp_client.h"

#include <poll.h>
#include <sys/socket.h>

#include "tools/shared/loopback_socket.h"

namespace smtpsink::test {
namespace {

// One byte, or nothing when the connection ended or stayed quiet too long.
bool ReadByte(int fd, char& c) {
  pollfd wanted{fd, POLLIN, 0};
  return ::poll(&wanted, 1, kReplyWaitMs) == 1 && ::recv(fd, &c, 1, 0) == 1;
}

}  // namespace

SmtpClient::SmtpClient(const std::string& ip, std::uint16_t port)
    : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
  const sockaddr_in to = tools::SocketAddress(ip, port);
  if (::connect(fd_.get(), reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) fd_.reset();
}

bool SmtpClient::Send(std::string_view bytes) {
  return ::send(fd_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
         static_cast<ssize_t>(bytes.size());
}

std::string SmtpClient::ReadReply() {
  std::string line;
  char c = 0;
  while (ReadByte(fd_.get(), c)) {
    line += c;
    if (c == '\n') break;
  }
  return line;
}

std::string SmtpClient::FinishAndReadRest() {
  ::shutdown(fd_.get(), SHUT_WR);
  std::string rest;
  char c = 0;
  while (ReadByte(fd_.get(), c)) rest += c;
  return rest;
}

}  // namespace smtpsink::test
