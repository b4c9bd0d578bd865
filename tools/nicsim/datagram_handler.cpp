#include "tools/nicsim/datagram_handler.h"

#include <sys/socket.h>

#include <vector>

#include "nicconf/ipx/core/ipx_address.h"
#include "outside/netware/loopback_ipx.h"
#include "tools/nicsim/attribute_responder.h"
#include "tools/nicsim/command_responder.h"
#include "tools/nicsim/datagram_kind.h"
#include "tools/nicsim/ipx_station.h"

namespace nicsim {
namespace {

constexpr std::size_t kPrefixLength = 2;

using Replies = std::vector<std::vector<std::uint8_t>>;

Replies AnswerProbe(const NicState& nic) {
  Replies replies{ProbeReply(nic)};
  if (nic.settings.fault != Fault::NoStatusDatagram) replies.push_back(StatusDatagram(nic));
  return replies;
}

Replies AnswerSet(NicRegistry& registry, NicState& nic, std::span<const std::uint8_t> request) {
  if (const auto ip = ApplySetRequest(nic, request)) registry.Move(nic, *ip);
  return {SetReply(nic)};
}

Replies AnswerExtended(NicState& nic, DatagramKind kind, std::span<const std::uint8_t> request) {
  if (!nic.settings.extendedTextSupported) return {};
  if (kind == DatagramKind::ExtSet) {
    ApplyExtendedSetRequest(nic, request);
    return {ExtendedSetReply(nic)};
  }
  return {ExtendedProbeReply(nic)};
}

Replies AnswerCommandRequest(NicRegistry& registry, NicState& nic,
                             std::span<const std::uint8_t> request) {
  CommandOutcome outcome = AnswerCommand(nic, request);
  if (outcome.moveTo) registry.Move(nic, *outcome.moveTo);
  if (!outcome.reply) return {};
  return {std::move(*outcome.reply)};
}

// What one NIC sends back to a request, in order. Answering a set or a
// command may move the NIC to another address.
Replies Answer(NicRegistry& registry, NicState& nic, DatagramKind kind,
               std::span<const std::uint8_t> request) {
  switch (kind) {
    case DatagramKind::Probe: return AnswerProbe(nic);
    case DatagramKind::Set: return AnswerSet(registry, nic, request);
    case DatagramKind::ExtProbe:
    case DatagramKind::ExtSet: return AnswerExtended(nic, kind, request);
    case DatagramKind::Command: return AnswerCommandRequest(registry, nic, request);
    default: return {};
  }
}

void SendFrom(int fd, const tools::Peer& to, const std::vector<std::uint8_t>& bytes,
              const NicState& nic) {
  const sockaddr_in address = tools::SocketAddress(to.ip, to.port);
  const int copies = nic.settings.fault == Fault::AnswersTwice ? 2 : 1;
  for (int i = 0; i < copies; ++i) {
    ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&address),
             sizeof address);
  }
}

// Replies leave from the NIC's own socket of that protocol, so that the
// manager sees them come from port 8450 or 11299 of the NIC's address. The
// address is looked up after answering: a set may have moved the NIC.
void SendOverIp(const NicRegistry& registry, const NicState& nic, DatagramKind kind,
                const tools::Peer& to, const Replies& replies) {
  const Endpoint* endpoint = registry.EndpointAt(nic.settings.ip);
  if (endpoint == nullptr) return;
  const int fd = kind == DatagramKind::Command ? endpoint->command.get() : endpoint->attribute.get();
  for (const auto& reply : replies) SendFrom(fd, to, reply, nic);
}

Event DatagramEvent(DatagramKind kind, const std::string& nicAddress, std::uint16_t localPort,
                    std::span<const std::uint8_t> bytes, const tools::Peer& sender) {
  Event event;
  event.kind = EventKindName(kind);
  event.nicIp = nicAddress;
  event.peerIp = sender.ip;
  event.peerPort = sender.port;
  event.localPort = localPort;
  event.bytes.assign(bytes.begin(), bytes.end());
  event.size = bytes.size();
  return event;
}

bool IsAnswered(DatagramKind kind) {
  return kind != DatagramKind::Wake && kind != DatagramKind::Exn && kind != DatagramKind::Other;
}

}  // namespace

void HandleDatagram(NicRegistry& registry, EventLog& log, const std::string& ip,
                    std::uint16_t localPort, std::span<const std::uint8_t> datagram,
                    const tools::Peer& sender) {
  const DatagramKind kind = ClassifyDatagram(datagram, localPort);
  log.Record(DatagramEvent(kind, ip, localPort, datagram, sender));
  if (!IsAnswered(kind)) return;
  const std::uint16_t replyPort = ReplyPort(datagram);
  const tools::Peer to{sender.ip, replyPort != 0 ? replyPort : sender.port};
  const auto request = datagram.subspan(kPrefixLength);
  for (NicState* nic : registry.NicsAt(ip)) {
    if (nic->settings.fault == Fault::Silent) continue;
    SendOverIp(registry, *nic, kind, to, Answer(registry, *nic, kind, request));
  }
}

// The reply goes back to the UDP address it came from, which is the
// sender's station socket, in an envelope naming the NIC's station.
void HandleIpxDatagram(NicRegistry& registry, EventLog& log, NicState& nic, int fd,
                       std::uint16_t localPort, std::span<const std::uint8_t> datagram,
                       const tools::Peer& sender) {
  netware_standin::Station source{};
  std::uint8_t socket[2];
  std::span<const std::uint8_t> data;
  const bool wrapped = netware_standin::Unwrap(datagram, source, socket, data);
  const DatagramKind kind = wrapped ? ClassifyIpxRequest(data) : DatagramKind::Other;
  const netware_standin::Station own = IpxStationOf(nic.settings);
  log.Record(DatagramEvent(kind, IpxAddressText(own), localPort, wrapped ? data : datagram, sender));
  if (!IsAnswered(kind) || kind == DatagramKind::Command || nic.settings.fault == Fault::Silent) {
    return;
  }
  for (const auto& reply : Answer(registry, nic, kind, data)) {
    SendFrom(fd, sender, netware_standin::Wrap(own, nic::ipx::kNicSocket, reply), nic);
  }
}

}  // namespace nicsim
