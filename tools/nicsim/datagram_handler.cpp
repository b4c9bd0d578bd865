#include "tools/nicsim/datagram_handler.h"

#include <sys/socket.h>

#include <vector>

#include "tools/nicsim/attribute_responder.h"
#include "tools/nicsim/command_responder.h"
#include "tools/nicsim/datagram_kind.h"

namespace nicsim {
namespace {

constexpr std::size_t kPrefixLength = 2;

enum class Channel { Attribute, Command };

// Replies leave from the NIC's own socket of that protocol, so that the
// manager sees them come from port 8450 or 11299 of the NIC's address.
void Send(const NicRegistry& registry, const NicState& nic, Channel channel, const tools::Peer& to,
          const std::vector<std::uint8_t>& bytes) {
  const Endpoint* endpoint = registry.EndpointAt(nic.settings.ip);
  if (endpoint == nullptr) return;
  const int fd =
      channel == Channel::Command ? endpoint->command.get() : endpoint->attribute.get();
  const sockaddr_in address = tools::SocketAddress(to.ip, to.port);
  ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&address),
           sizeof address);
}

void AnswerProbe(const NicRegistry& registry, const NicState& nic, const tools::Peer& to) {
  Send(registry, nic, Channel::Attribute, to, ProbeReply(nic));
  if (nic.settings.fault != Fault::NoStatusDatagram) {
    Send(registry, nic, Channel::Attribute, to, StatusDatagram(nic));
  }
}

void AnswerSet(NicRegistry& registry, NicState& nic, std::span<const std::uint8_t> request,
               const tools::Peer& to) {
  if (const auto ip = ApplySetRequest(nic, request)) registry.Move(nic, *ip);
  Send(registry, nic, Channel::Attribute, to, SetReply(nic));
}

void AnswerExtended(NicRegistry& registry, NicState& nic, DatagramKind kind,
                    std::span<const std::uint8_t> request, const tools::Peer& to) {
  if (!nic.settings.extendedTextSupported) return;
  if (kind == DatagramKind::ExtSet) {
    ApplyExtendedSetRequest(nic, request);
    Send(registry, nic, Channel::Attribute, to, ExtendedSetReply(nic));
  } else {
    Send(registry, nic, Channel::Attribute, to, ExtendedProbeReply(nic));
  }
}

void AnswerCommandRequest(NicRegistry& registry, NicState& nic,
                          std::span<const std::uint8_t> request, const tools::Peer& to) {
  const CommandOutcome outcome = AnswerCommand(nic, request);
  if (outcome.moveTo) registry.Move(nic, *outcome.moveTo);
  if (outcome.reply) Send(registry, nic, Channel::Command, to, *outcome.reply);
}

void Answer(NicRegistry& registry, NicState& nic, DatagramKind kind,
            std::span<const std::uint8_t> request, const tools::Peer& to) {
  switch (kind) {
    case DatagramKind::Probe: AnswerProbe(registry, nic, to); break;
    case DatagramKind::Set: AnswerSet(registry, nic, request, to); break;
    case DatagramKind::ExtProbe:
    case DatagramKind::ExtSet: AnswerExtended(registry, nic, kind, request, to); break;
    case DatagramKind::Command: AnswerCommandRequest(registry, nic, request, to); break;
    default: break;
  }
}

Event DatagramEvent(DatagramKind kind, const std::string& ip, std::uint16_t localPort,
                    std::span<const std::uint8_t> datagram, const tools::Peer& sender) {
  Event event;
  event.kind = EventKindName(kind);
  event.nicIp = ip;
  event.peerIp = sender.ip;
  event.peerPort = sender.port;
  event.localPort = localPort;
  event.bytes.assign(datagram.begin(), datagram.end());
  event.size = datagram.size();
  return event;
}

}  // namespace

void HandleDatagram(NicRegistry& registry, EventLog& log, const std::string& ip,
                    std::uint16_t localPort, std::span<const std::uint8_t> datagram,
                    const tools::Peer& sender) {
  const DatagramKind kind = ClassifyDatagram(datagram, localPort);
  log.Record(DatagramEvent(kind, ip, localPort, datagram, sender));
  if (kind == DatagramKind::Wake || kind == DatagramKind::Exn || kind == DatagramKind::Other) {
    return;
  }
  const std::uint16_t replyPort = ReplyPort(datagram);
  const tools::Peer to{sender.ip, replyPort != 0 ? replyPort : sender.port};
  const auto request = datagram.subspan(kPrefixLength);
  for (NicState* nic : registry.NicsAt(ip)) {
    if (nic->settings.fault != Fault::Silent) Answer(registry, *nic, kind, request, to);
  }
}

}  // namespace nicsim
