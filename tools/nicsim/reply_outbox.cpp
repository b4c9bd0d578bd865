#include "tools/nicsim/reply_outbox.h"

#include <sys/socket.h>

#include <limits>

#include "nicproto/frame_kind.h"

namespace nicsim {

void ReplyOutbox::Send(const NicRegistry& registry, std::uint32_t delayMs,
                       const ReplySource& from, const tools::Peer& to,
                       std::vector<std::uint8_t> bytes, int copies) {
  Pending reply{from, to, std::move(bytes), copies};
  if (delayMs == 0) {
    Transmit(registry, reply);
    return;
  }
  pending_.emplace(MonotonicNow() + MonoNs{delayMs} * kNsPerMs, std::move(reply));
}

void ReplyOutbox::SendDue(const NicRegistry& registry, MonoNs now) {
  while (!pending_.empty() && pending_.begin()->first <= now) {
    Transmit(registry, pending_.begin()->second);
    pending_.erase(pending_.begin());
  }
}

int ReplyOutbox::TimeoutMs(MonoNs now) const {
  if (pending_.empty()) return -1;
  const MonoNs wait = pending_.begin()->first - now;
  if (wait <= 0) return 0;
  const MonoNs ms = (wait + kNsPerMs - 1) / kNsPerMs;
  return ms > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                              : static_cast<int>(ms);
}

void ReplyOutbox::Transmit(const NicRegistry& registry, const Pending& reply) {
  int fd = reply.from.fd;
  if (fd < 0) {
    const Endpoint* endpoint = registry.EndpointAt(reply.from.ip);
    if (endpoint == nullptr) return;
    fd = reply.from.port == nic::kCommandPort ? endpoint->command.get()
                                              : endpoint->attribute.get();
  }
  const sockaddr_in address = tools::SocketAddress(reply.to.ip, reply.to.port);
  for (int i = 0; i < reply.copies; ++i) {
    ::sendto(fd, reply.bytes.data(), reply.bytes.size(), 0,
             reinterpret_cast<const sockaddr*>(&address), sizeof address);
  }
}

}  // namespace nicsim
