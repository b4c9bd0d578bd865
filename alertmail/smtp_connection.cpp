#include "alertmail/smtp_connection.h"

#include <winsock2.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "common/ipv4_text.h"

namespace alertmail {
namespace {

// A server that never answers must not hold the mail sender for ever.
constexpr std::uint32_t kReplyWaitMs = 10000;

// Four numbers 1 to 255, digits only, nothing after the fourth.
bool IsPlainAddress(const std::string& server, std::uint32_t& address) {
  Ipv4 ip{};
  if (!ParseDottedIp(server.c_str(), ip)) return false;
  for (std::uint8_t octet : ip) {
    if (octet == 0) return false;
  }
  std::memcpy(&address, ip.data(), 4);
  return true;
}

// An empty name (settings missing at a test mail) is no host at all, rather
// than whatever the system makes of "".
bool LookUp(const std::string& server, std::uint32_t& address) {
  if (server.empty()) return false;
  if (IsPlainAddress(server, address)) return true;
  const hostent* host = gethostbyname(server.c_str());
  if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr) {
    return false;
  }
  std::memcpy(&address, host->h_addr_list[0], 4);
  return true;
}

}  // namespace

std::string SmtpConnection::Connect(const std::string& server) {
  if (socket_.Open() != 0) return "ソケットの作成に失敗しました。\r\n";
  std::uint32_t address = 0;
  if (!LookUp(server, address)) {
    socket_.Close();
    return "'" + server +
           "' は未定義のホスト名です。 hostsファイルで定義されているかどうか確認し、"
           "正しいホスト名を設定して下さい。\r\n";
  }
  const servent* service = getservbyname("SMTP", "tcp");
  if (service == nullptr) {
    socket_.Close();
    return "SMTPポートが定義されていません。 servicesファイルで SMTPポート番号を定義して下さい。\r\n";
  }
  if (socket_.Connect(address, ntohs(static_cast<u_short>(service->s_port))) != 0) {
    socket_.Close();
    return "サーバへの接続に失敗しました。\r\n";
  }
  return {};
}

bool SmtpConnection::Send(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    std::size_t sent = 0;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (socket_.Send({data + done, bytes.size() - done}, sent) != 0) return false;
    done += sent;
  }
  return true;
}

bool SmtpConnection::Receive() {
  int error = 0;
  if (socket_.WaitReadable(kReplyWaitMs, error) != platform::WaitResult::Ready) return false;
  std::vector<std::uint8_t> line(kLineBufferSize);
  std::size_t received = 0;
  return socket_.Receive(line, received) == 0 && received > 0;
}

}  // namespace alertmail
