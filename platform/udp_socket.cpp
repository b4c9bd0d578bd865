#include "platform/udp_socket.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/socket_error.h"
#include "platform/socket_handle.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#include <mswsock.h>
using SocketHandle = SOCKET;
using SockLen = int;
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
using SockLen = socklen_t;
#endif

namespace platform {
namespace {

SocketHandle Native(std::intptr_t handle) { return static_cast<SocketHandle>(handle); }

bool MakeAddress(const char* ip, std::uint16_t port, sockaddr_in& address) {
  std::memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  if (ip == nullptr) {
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    return true;
  }
  return inet_pton(AF_INET, ip, &address.sin_addr) == 1;
}

#ifdef _WIN32
// Windows reports an earlier datagram's ICMP port-unreachable as a receive
// error on the next recvfrom; one closed port would then fail a whole poll.
void IgnorePortUnreachable(std::intptr_t handle) {
  BOOL report = FALSE;
  DWORD returned = 0;
  WSAIoctl(Native(handle), SIO_UDP_CONNRESET, &report, sizeof report, nullptr, 0, &returned,
           nullptr, nullptr);
}
#endif

// A connected socket hears of an earlier datagram's ICMP port-unreachable
// as a failure of its next call.
bool IsPortUnreachableReport(int error) {
  return error == kWsaConnectionRefused || error == kWsaConnectionReset;
}

int SendOnce(std::intptr_t handle, std::span<const std::uint8_t> bytes) {
  const auto sent = send(Native(handle), reinterpret_cast<const char*>(bytes.data()),
                         static_cast<int>(bytes.size()), 0);
  if (sent < 0) return LastSocketError();
  return static_cast<std::size_t>(sent) == bytes.size() ? 0 : kWsaMessageSize;
}

}  // namespace

int LocalAddressToward(const char* destination, char (&ip)[16]) {
  ip[0] = '\0';
  sockaddr_in address;
  if (!MakeAddress(destination, 9, address)) return kWsaInvalidArgument;
  UdpSocket socket;
  if (const int error = socket.Open(); error != 0) return error;
  const SocketHandle s = Native(socket.handle_);
  if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    return LastSocketError();
  }
  sockaddr_in local{};
  SockLen length = sizeof local;
  if (getsockname(s, reinterpret_cast<sockaddr*>(&local), &length) != 0) return LastSocketError();
  const auto* octets = reinterpret_cast<const std::uint8_t*>(&local.sin_addr);
  std::snprintf(ip, sizeof ip, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
  return 0;
}

UdpSocket::~UdpSocket() { Close(); }

UdpSocket::UdpSocket(UdpSocket&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

UdpSocket& UdpSocket::operator=(UdpSocket&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = std::exchange(other.handle_, -1);
  }
  return *this;
}

int UdpSocket::Open(const char* ip, std::uint16_t port) {
  Close();
  sockaddr_in address;
  if (!MakeAddress(ip, port, address)) return kWsaInvalidArgument;
  const SocketHandle s = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
#ifdef _WIN32
  if (s == INVALID_SOCKET) return LastSocketError();
#else
  if (s < 0) return LastSocketError();
#endif
  handle_ = static_cast<std::intptr_t>(s);
  int error = detail::SetBlocking(handle_, false);
  if (error == 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    error = LastSocketError();
  }
  if (error != 0) {
    Close();
    return error;
  }
#ifdef _WIN32
  IgnorePortUnreachable(handle_);
#endif
  return 0;
}

void UdpSocket::Close() {
  if (handle_ != -1) detail::CloseSocket(std::exchange(handle_, -1));
}

bool UdpSocket::IsOpen() const { return handle_ != -1; }

int UdpSocket::LocalPort(std::uint16_t& port) const {
  sockaddr_in address{};
  SockLen length = sizeof address;
  if (getsockname(Native(handle_), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    port = 0;
    return LastSocketError();
  }
  port = ntohs(address.sin_port);
  return 0;
}

int UdpSocket::SetBroadcast(bool enabled) {
  const int on = enabled ? 1 : 0;
  return setsockopt(Native(handle_), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on),
                    sizeof on) == 0
             ? 0
             : LastSocketError();
}

int UdpSocket::Connect(std::uint32_t address, std::uint16_t port) {
  sockaddr_in peer{};
  peer.sin_family = AF_INET;
  peer.sin_port = htons(port);
  peer.sin_addr.s_addr = address;
  return connect(Native(handle_), reinterpret_cast<const sockaddr*>(&peer), sizeof peer) == 0
             ? 0
             : LastSocketError();
}

int UdpSocket::Send(std::span<const std::uint8_t> bytes) {
  int error = SendOnce(handle_, bytes);
  // The failure may be the report of an earlier datagram's port-unreachable,
  // which reporting clears; as on Windows, it is not this send's.
  if (IsPortUnreachableReport(error)) error = SendOnce(handle_, bytes);
  return error;
}

int UdpSocket::Receive(std::span<std::uint8_t> buffer, std::size_t& length) {
  length = 0;
  const auto received = recv(Native(handle_), reinterpret_cast<char*>(buffer.data()),
                             static_cast<int>(buffer.size()), 0);
  if (received >= 0) {
    length = static_cast<std::size_t>(received);
    return 0;
  }
  const int error = LastSocketError();
  if (IsPortUnreachableReport(error)) return kWsaWouldBlock;
#ifdef _WIN32
  // Windows fills the buffer and then fails a datagram that did not fit;
  // elsewhere it is cut silently. Both read as the part that fitted.
  if (error == WSAEMSGSIZE) {
    length = buffer.size();
    return 0;
  }
#endif
  return error;
}

bool IsSendableAddress(const char* ip) {
  sockaddr_in address;
  return ip != nullptr && MakeAddress(ip, 0, address);
}

int UdpSocket::SendTo(const char* ip, std::uint16_t port, std::span<const std::uint8_t> bytes) {
  sockaddr_in address;
  if (!MakeAddress(ip, port, address)) return kWsaInvalidArgument;
  const auto sent = sendto(Native(handle_), reinterpret_cast<const char*>(bytes.data()),
                           static_cast<int>(bytes.size()), 0,
                           reinterpret_cast<const sockaddr*>(&address), sizeof address);
  if (sent < 0) return LastSocketError();
  return static_cast<std::size_t>(sent) == bytes.size() ? 0 : kWsaMessageSize;
}

int UdpSocket::ReceiveFrom(std::span<std::uint8_t> buffer, std::size_t& length,
                           ReceivedFrom& from) {
  sockaddr_in address{};
  SockLen addressLength = sizeof address;
  const auto received = recvfrom(Native(handle_), reinterpret_cast<char*>(buffer.data()),
                                 static_cast<int>(buffer.size()), 0,
                                 reinterpret_cast<sockaddr*>(&address), &addressLength);
  if (received < 0) {
    length = 0;
    return LastSocketError();
  }
  length = static_cast<std::size_t>(received);
  const auto* octets = reinterpret_cast<const std::uint8_t*>(&address.sin_addr);
  std::snprintf(from.ip, sizeof from.ip, "%u.%u.%u.%u", octets[0], octets[1], octets[2], octets[3]);
  from.port = ntohs(address.sin_port);
  return 0;
}

WaitResult UdpSocket::WaitReadable(std::uint32_t milliseconds, int& error) {
  return detail::Wait(handle_, false, milliseconds, error);
}

WaitResult UdpSocket::WaitWritable(std::uint32_t milliseconds, int& error) {
  return detail::Wait(handle_, true, milliseconds, error);
}

}  // namespace platform
