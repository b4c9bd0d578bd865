#pragma once
// What the monitor's NIC exchanges share: finding the NIC of a port, a UDP
// socket connected to it, and waiting for its replies. The waits run on the
// caller's thread and end by the clock, so nothing has to be killed when a
// NIC stays silent.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/udp_socket.h"
#include "portmon/core/net_port.h"

namespace portmon {

inline constexpr std::uint32_t kReplyWaitMs = 1000;

// The stored address of the port, else its name resolved to the first IPv4
// address. Network byte order.
bool NicAddress(const NetPort& port, std::uint32_t& address);

// Opens `socket`, connects it to `address`:`port` (allowing broadcast first
// when asked) and reads the socket's own port for the reply-port prefix.
bool ConnectToNic(platform::UdpSocket& socket, std::uint32_t address, std::uint16_t port,
                  std::uint16_t& ownPort, bool broadcast = false);

// Sends once the socket can take the datagram, waiting up to kReplyWaitMs.
bool SendToNic(platform::UdpSocket& socket, std::span<const std::uint8_t> datagram);

// Decides where each datagram is received and whether it completes the
// exchange.
class ReplyCollector {
 public:
  virtual std::span<std::uint8_t> Space() = 0;
  // The datagram now at the start of Space(), `length` bytes of it kept.
  virtual bool Take(std::size_t length) = 0;

 protected:
  ~ReplyCollector() = default;
};

enum class CollectEnd {
  Ended,     // the collector was satisfied, or a receive failed
  TimedOut,
  Failed,    // the wait itself failed
};

// Receives for up to `limitMs` from now. A failed receive ends the
// collection too: the NIC is taken to have answered.
CollectEnd CollectReplies(platform::UdpSocket& socket, std::uint32_t limitMs,
                          ReplyCollector& collector);

// Sets a port flag for the life of an exchange's waits.
class PortFlagScope {
 public:
  PortFlagScope(NetPort* port, std::uint32_t flag);
  ~PortFlagScope();
  PortFlagScope(const PortFlagScope&) = delete;
  PortFlagScope& operator=(const PortFlagScope&) = delete;

 private:
  NetPort* const port_;
  const std::uint32_t flag_;
};

}  // namespace portmon
