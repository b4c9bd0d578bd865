#include "tools/nicsim/datagram_handler.h"

#include <optional>
#include <vector>

#include "nicconf/ipx/core/ipx_address.h"
#include "nicproto/frame_kind.h"
#include "outside/netware/loopback_ipx.h"
#include "tools/nicsim/attribute_responder.h"
#include "tools/nicsim/command_responder.h"
#include "tools/nicsim/datagram_kind.h"
#include "tools/nicsim/ipx_station.h"

namespace nicsim {
namespace {

constexpr std::size_t kPrefixLength = 2;

using Replies = std::vector<std::vector<std::uint8_t>>;

// What one NIC made of a request: its replies in order, and for a write the
// values it carried.
struct Answered {
  Replies replies;
  std::optional<std::vector<std::string>> written;
};

Replies AnswerProbe(const NicState& nic) {
  Replies replies{ProbeReply(nic)};
  if (nic.settings.fault != Fault::NoStatusDatagram) replies.push_back(StatusDatagram(nic));
  return replies;
}

Answered AnswerSet(NicRegistry& registry, NicState& nic, std::span<const std::uint8_t> request) {
  std::vector<std::string> written;
  if (const auto ip = ApplySetRequest(nic, request, &written)) registry.Move(nic, *ip);
  return {{SetReply(nic)}, std::move(written)};
}

Answered AnswerExtended(NicState& nic, DatagramKind kind, std::span<const std::uint8_t> request) {
  if (!nic.settings.extendedTextSupported) return {};
  if (kind == DatagramKind::ExtSet) {
    std::vector<std::string> written;
    ApplyExtendedSetRequest(nic, request, &written);
    return {{ExtendedSetReply(nic)}, std::move(written)};
  }
  return {{ExtendedProbeReply(nic)}, std::nullopt};
}

Answered AnswerCommandRequest(NicRegistry& registry, NicState& nic,
                              std::span<const std::uint8_t> request) {
  CommandOutcome outcome = AnswerCommand(nic, request);
  if (outcome.moveTo) registry.Move(nic, *outcome.moveTo);
  Answered answered{{}, std::move(outcome.written)};
  if (outcome.reply) answered.replies.push_back(std::move(*outcome.reply));
  return answered;
}

bool IsWrite(DatagramKind kind, std::span<const std::uint8_t> request) {
  constexpr std::size_t kCommandByte = 3;  // after "NCM"
  return kind == DatagramKind::Set || kind == DatagramKind::ExtSet ||
         (kind == DatagramKind::Command && request.size() > kCommandByte &&
          request[kCommandByte] == 1);
}

// What one NIC sends back to a request, in order. Answering a set or a
// command may move the NIC to another address. A NIC that refuses writes
// takes none and answers none.
Answered Answer(NicRegistry& registry, NicState& nic, DatagramKind kind,
                std::span<const std::uint8_t> request) {
  if (nic.settings.fault == Fault::RefusesWrites && IsWrite(kind, request)) return {};
  switch (kind) {
    case DatagramKind::Probe: return {AnswerProbe(nic), std::nullopt};
    case DatagramKind::Set: return AnswerSet(registry, nic, request);
    case DatagramKind::ExtProbe:
    case DatagramKind::ExtSet: return AnswerExtended(nic, kind, request);
    case DatagramKind::Command: return AnswerCommandRequest(registry, nic, request);
    default: return {};
  }
}

int Copies(const NicState& nic) { return nic.settings.fault == Fault::AnswersTwice ? 2 : 1; }

// Replies leave from the NIC's own socket of that protocol, so that the
// manager sees them come from port 8450 or 11299 of the NIC's address. The
// address is taken after answering: a set may have moved the NIC.
void SendOverIp(const NicRegistry& registry, ReplyOutbox& outbox, const NicState& nic,
                DatagramKind kind, const tools::Peer& to, Replies& replies) {
  const std::uint16_t port =
      kind == DatagramKind::Command ? nic::kCommandPort : nic::kAttributePort;
  const ReplySource from{nic.settings.ip, port, -1};
  for (auto& reply : replies) {
    outbox.Send(registry, nic.settings.replyDelayMs, from, to, std::move(reply), Copies(nic));
  }
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

// Recorded after the datagram's own event, once the NIC has taken the write.
void RecordWrite(EventLog& log, const Event& datagram, const NicState& nic,
                 std::optional<std::vector<std::string>>& written) {
  if (!written) return;
  Event event;
  event.kind = "wrote";
  event.nicIp = datagram.nicIp;
  event.peerIp = datagram.peerIp;
  event.peerPort = datagram.peerPort;
  event.localPort = datagram.localPort;
  event.mac = nic.settings.mac;
  event.written = std::move(*written);
  log.Record(std::move(event));
}

bool IsAnswered(DatagramKind kind) {
  return kind != DatagramKind::Wake && kind != DatagramKind::Exn && kind != DatagramKind::Other;
}

}  // namespace

void HandleDatagram(NicRegistry& registry, EventLog& log, ReplyOutbox& outbox,
                    const std::string& ip, std::uint16_t localPort,
                    std::span<const std::uint8_t> datagram, const tools::Peer& sender) {
  const DatagramKind kind = ClassifyDatagram(datagram, localPort);
  const Event arrived = DatagramEvent(kind, ip, localPort, datagram, sender);
  log.Record(arrived);
  if (!IsAnswered(kind)) return;
  const std::uint16_t replyPort = ReplyPort(datagram);
  const tools::Peer to{sender.ip, replyPort != 0 ? replyPort : sender.port};
  const auto request = datagram.subspan(kPrefixLength);
  for (NicState* nic : registry.NicsAt(ip)) {
    if (nic->settings.fault == Fault::Silent) continue;
    // A NIC that missed a probe: the reader tries again by MAC.
    if (kind == DatagramKind::Probe && nic->settings.ignoreProbes > 0) {
      --nic->settings.ignoreProbes;
      continue;
    }
    Answered answered = Answer(registry, *nic, kind, request);
    RecordWrite(log, arrived, *nic, answered.written);
    SendOverIp(registry, outbox, *nic, kind, to, answered.replies);
  }
}

// The reply goes back to the UDP address it came from, which is the
// sender's station socket, in an envelope naming the NIC's station.
void HandleIpxDatagram(NicRegistry& registry, EventLog& log, ReplyOutbox& outbox, NicState& nic,
                       int fd, std::uint16_t localPort, std::span<const std::uint8_t> datagram,
                       const tools::Peer& sender) {
  netware_standin::Station source{};
  std::uint8_t socket[2];
  std::span<const std::uint8_t> data;
  const bool wrapped = netware_standin::Unwrap(datagram, source, socket, data);
  const DatagramKind kind = wrapped ? ClassifyIpxRequest(data) : DatagramKind::Other;
  const netware_standin::Station own = IpxStationOf(nic.settings);
  const Event arrived =
      DatagramEvent(kind, IpxAddressText(own), localPort, wrapped ? data : datagram, sender);
  log.Record(arrived);
  if (!IsAnswered(kind) || kind == DatagramKind::Command || nic.settings.fault == Fault::Silent) {
    return;
  }
  Answered answered = Answer(registry, nic, kind, data);
  RecordWrite(log, arrived, nic, answered.written);
  for (const auto& reply : answered.replies) {
    outbox.Send(registry, nic.settings.replyDelayMs, ReplySource{"", 0, fd}, sender,
                netware_standin::Wrap(own, nic::ipx::kNicSocket, reply), Copies(nic));
  }
}

}  // namespace nicsim
