#pragma once
// Replies on their way out of the simulated NICs. A reply leaves at once,
// unless its NIC is slow (replyDelayMs): then it waits here and leaves from
// the serving thread when due, in the order the replies were made, while
// every other NIC keeps answering. The serving loop polls no longer than
// until the next reply is due.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/nicsim/monotonic_time.h"
#include "tools/nicsim/nic_registry.h"
#include "tools/shared/loopback_socket.h"

namespace nicsim {

// Where a reply leaves from: over IP the NIC's socket of `port` at `ip`,
// looked up when it leaves (the NIC may have moved meanwhile, or its address
// closed: the reply is then dropped, as a real NIC's would be lost); over
// IPX the station socket `fd`.
struct ReplySource {
  std::string ip;
  std::uint16_t port = 0;
  int fd = -1;
};

class ReplyOutbox {
 public:
  void Send(const NicRegistry& registry, std::uint32_t delayMs, const ReplySource& from,
            const tools::Peer& to, std::vector<std::uint8_t> bytes, int copies);

  // Sends every reply that is due by `now`.
  void SendDue(const NicRegistry& registry, MonoNs now);

  // Until the next reply is due, rounded up; -1 when none waits.
  int TimeoutMs(MonoNs now) const;

 private:
  struct Pending {
    ReplySource from;
    tools::Peer to;
    std::vector<std::uint8_t> bytes;
    int copies = 1;
  };

  static void Transmit(const NicRegistry& registry, const Pending& reply);

  std::multimap<MonoNs, Pending> pending_;  // equal times keep their order
};

}  // namespace nicsim
