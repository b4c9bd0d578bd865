#include "portmon/core/nic_link.h"

#include <string>

#include "platform/resolver.h"
#include "platform/socket_error.h"
#include "platform/tick.h"

namespace portmon {
namespace {
// A port added under a host name without the dialog carries all ones; like
// 0 it names no printer, and the name is resolved instead.
constexpr std::uint32_t kNoStoredAddress = 0xFFFFFFFFu;
}  // namespace

bool NicAddress(const NetPort& port, std::uint32_t& address) {
  if (port.address() != 0 && port.address() != kNoStoredAddress) {
    address = port.address();
    return true;
  }
  const std::string name = AsciiName(port.name());
  return !name.empty() && platform::ResolveIpv4(name.c_str(), address);
}

bool ConnectToNic(platform::UdpSocket& socket, std::uint32_t address, std::uint16_t port,
                  std::uint16_t& ownPort, bool broadcast) {
  if (socket.Open() != 0) return false;
  if (broadcast && socket.SetBroadcast(true) != 0) return false;
  return socket.Connect(address, port) == 0 && socket.LocalPort(ownPort) == 0;
}

bool SendToNic(platform::UdpSocket& socket, std::span<const std::uint8_t> datagram) {
  int error = 0;
  return socket.WaitWritable(kReplyWaitMs, error) == platform::WaitResult::Ready &&
         socket.Send(datagram) == 0;
}

CollectEnd CollectReplies(platform::UdpSocket& socket, std::uint32_t limitMs,
                          ReplyCollector& collector) {
  const std::uint32_t start = platform::TickCount();
  for (std::uint32_t elapsed = 0; elapsed < limitMs; elapsed = platform::TicksSince(start)) {
    int error = 0;
    const platform::WaitResult waited = socket.WaitReadable(limitMs - elapsed, error);
    if (waited == platform::WaitResult::Failed) return CollectEnd::Failed;
    if (waited == platform::WaitResult::TimedOut) continue;
    std::size_t length = 0;
    const int received = socket.Receive(collector.Space(), length);
    if (received == platform::kWsaWouldBlock) continue;
    if (received != 0 || collector.Take(length)) return CollectEnd::Ended;
  }
  return CollectEnd::TimedOut;
}

PortFlagScope::PortFlagScope(NetPort* port, std::uint32_t flag) : port_(port), flag_(flag) {
  if (port_ != nullptr) port_->flags.fetch_or(flag_);
}

PortFlagScope::~PortFlagScope() {
  if (port_ != nullptr) port_->flags.fetch_and(~flag_);
}

}  // namespace portmon
