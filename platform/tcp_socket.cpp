#include "platform/tcp_socket.h"

#include <cstring>
#include <utility>

#include "platform/socket_error.h"

#ifdef _WIN32
#include <winsock2.h>
using SocketHandle = SOCKET;
using SockLen = int;
constexpr int kShutdownSending = SD_SEND;
constexpr int kSendFlags = 0;
#else
#include <netinet/in.h>
#include <sys/socket.h>
using SocketHandle = int;
using SockLen = socklen_t;
constexpr int kShutdownSending = SHUT_WR;
constexpr int kSendFlags = MSG_NOSIGNAL;  // a reset connection is an error, not a signal
#endif

namespace platform {
namespace {

SocketHandle Native(detail::Handle handle) { return static_cast<SocketHandle>(handle); }

int Result(int code) { return code == 0 ? 0 : LastSocketError(); }

}  // namespace

TcpSocket::~TcpSocket() { Close(); }

TcpSocket::TcpSocket(TcpSocket&& other) noexcept
    : handle_(std::exchange(other.handle_, detail::kNoHandle)) {}

TcpSocket& TcpSocket::operator=(TcpSocket&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, detail::kNoHandle);
  }
  return *this;
}

int TcpSocket::Open() {
  Close();
  const SocketHandle s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
#ifdef _WIN32
  if (s == INVALID_SOCKET) return LastSocketError();
#else
  if (s < 0) return LastSocketError();
#endif
  handle_ = static_cast<detail::Handle>(s);
  return 0;
}

void TcpSocket::Close() {
  if (handle_ != detail::kNoHandle) detail::CloseSocket(std::exchange(handle_, detail::kNoHandle));
}

bool TcpSocket::IsOpen() const { return handle_ != detail::kNoHandle; }

int TcpSocket::Connect(std::uint32_t address, std::uint16_t port) {
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  peer.sin_addr.s_addr = address;
  return Result(connect(Native(handle_), reinterpret_cast<const sockaddr*>(&peer), sizeof peer));
}

int TcpSocket::SetBlocking(bool blocking) { return detail::SetBlocking(handle_, blocking); }

int TcpSocket::SetLinger(bool on, std::uint16_t seconds) {
  linger value{};
  value.l_onoff = on ? 1 : 0;
  value.l_linger = seconds;
  return Result(setsockopt(Native(handle_), SOL_SOCKET, SO_LINGER,
                           reinterpret_cast<const char*>(&value), sizeof value));
}

int TcpSocket::ShutdownSending() { return Result(shutdown(Native(handle_), kShutdownSending)); }

int TcpSocket::LocalPort(std::uint16_t& port) const {
  sockaddr_in local{};
  SockLen length = sizeof local;
  if (getsockname(Native(handle_), reinterpret_cast<sockaddr*>(&local), &length) != 0) {
    port = 0;
    return LastSocketError();
  }
  port = ntohs(local.sin_port);
  return 0;
}

int TcpSocket::Send(std::span<const std::uint8_t> bytes, std::size_t& sent) {
  sent = 0;
  const auto n = send(Native(handle_), reinterpret_cast<const char*>(bytes.data()),
                      static_cast<int>(bytes.size()), kSendFlags);
  if (n < 0) return LastSocketError();
  sent = static_cast<std::size_t>(n);
  return 0;
}

int TcpSocket::Receive(std::span<std::uint8_t> buffer, std::size_t& received) {
  received = 0;
  const auto n =
      recv(Native(handle_), reinterpret_cast<char*>(buffer.data()), static_cast<int>(buffer.size()), 0);
  if (n < 0) return LastSocketError();
  received = static_cast<std::size_t>(n);
  return 0;
}

WaitResult TcpSocket::WaitReadable(std::uint32_t milliseconds, int& error) {
  return detail::Wait(handle_, false, milliseconds, error);
}

WaitResult TcpSocket::WaitWritable(std::uint32_t milliseconds, int& error) {
  return detail::Wait(handle_, true, milliseconds, error);
}

}  // namespace platform
