#pragma once
// A TCP stream socket for raw printing: connect, send and receive with
// Windows Sockets error numbers, blocking or not, and the closing manners a
// print connection needs.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/socket_handle.h"

namespace platform {

class TcpSocket {
 public:
  TcpSocket() = default;
  ~TcpSocket();
  TcpSocket(TcpSocket&& other) noexcept;
  TcpSocket& operator=(TcpSocket&& other) noexcept;
  TcpSocket(const TcpSocket&) = delete;
  TcpSocket& operator=(const TcpSocket&) = delete;

  // A fresh, blocking stream socket. Returns 0 or the error.
  int Open();
  void Close();
  bool IsOpen() const;

  // `address` in network byte order; blocks until connected or refused.
  int Connect(std::uint32_t address, std::uint16_t port);
  int SetBlocking(bool blocking);
  // On close, wait up to `seconds` for unsent data.
  int SetLinger(bool on, std::uint16_t seconds);
  int ShutdownSending();
  int LocalPort(std::uint16_t& port) const;

  // Sends what it can; `sent` may be less than asked. Returns 0 or the
  // error (kWsaWouldBlock when nothing could go now).
  int Send(std::span<const std::uint8_t> bytes, std::size_t& sent);
  // `received` 0 with no error: the peer closed its side.
  int Receive(std::span<std::uint8_t> buffer, std::size_t& received);

  WaitResult WaitReadable(std::uint32_t milliseconds, int& error);
  WaitResult WaitWritable(std::uint32_t milliseconds, int& error);

 private:
  detail::Handle handle_ = detail::kNoHandle;
};

}  // namespace platform
