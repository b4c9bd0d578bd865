#pragma once
// A non-blocking IPv4 UDP socket: the one way the exchanges reach the
// network. Every failing call returns the error as a Windows Sockets number.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/socket_handle.h"

namespace platform {

inline constexpr std::size_t kDatagramBufferSize = 8192;


// A dotted IPv4 address a datagram can be sent to ("008.1.2.3" is not).
bool IsSendableAddress(const char* ip);

// This host's address on the way to `destination` (no datagram is sent):
// what the route/ARP path names as the gateway. Returns 0 or the error.
int LocalAddressToward(const char* destination, char (&ip)[16]);

struct ReceivedFrom {
  char ip[16];
  std::uint16_t port;
};

class UdpSocket {
 public:
  UdpSocket() = default;
  ~UdpSocket();
  UdpSocket(UdpSocket&& other) noexcept;
  UdpSocket& operator=(UdpSocket&& other) noexcept;
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  // Opens a non-blocking socket bound to `ip` (nullptr: any) and `port`
  // (0: an ephemeral port). Returns 0 or the error.
  int Open(const char* ip = nullptr, std::uint16_t port = 0);
  void Close();
  bool IsOpen() const;

  // The bound local port; 0 and the error on failure.
  int LocalPort(std::uint16_t& port) const;
  int SetBroadcast(bool enabled);

  // Fixes the peer (`address` in network byte order): from then on only its
  // datagrams arrive, and Send and Receive need no address. Returns 0 or
  // the error.
  int Connect(std::uint32_t address, std::uint16_t port);

  // Sends one datagram to the connected peer. Returns 0 when all bytes went
  // out, else the error.
  int Send(std::span<const std::uint8_t> bytes);

  // Reads one datagram from the connected peer into `buffer`; one longer
  // than the buffer is cut to it. Returns 0 or the error (kWsaWouldBlock
  // when none is waiting).
  //
  // On every platform a peer's port-unreachable is no error of Send or
  // Receive: a silent NIC and an absent one look alike, as on Windows.
  int Receive(std::span<std::uint8_t> buffer, std::size_t& length);

  // Sends one datagram to a dotted IPv4 address. Returns 0 when all bytes
  // went out, else the error.
  int SendTo(const char* ip, std::uint16_t port, std::span<const std::uint8_t> bytes);

  // Reads one datagram into `buffer`; `length` is its size (0 for an empty
  // datagram). Returns 0 or the error (kWsaWouldBlock when none is waiting).
  int ReceiveFrom(std::span<std::uint8_t> buffer, std::size_t& length, ReceivedFrom& from);

  WaitResult WaitReadable(std::uint32_t milliseconds, int& error);
  WaitResult WaitWritable(std::uint32_t milliseconds, int& error);

 private:
  friend int LocalAddressToward(const char* destination, char (&ip)[16]);
  std::intptr_t handle_ = -1;
};

}  // namespace platform
