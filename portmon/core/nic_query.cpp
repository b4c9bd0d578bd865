#include "portmon/core/nic_query.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "nicproto/attribute_frame.h"
#include "nicproto/command_frame.h"
#include "nicproto/exn_notice.h"
#include "nicproto/frame_kind.h"
#include "nicproto/wake_up_packet.h"
#include "platform/tick.h"
#include "portmon/core/nic_link.h"
#include "portmon/core/port_flags.h"

namespace portmon {
namespace {

constexpr int kProbeSends = 3;
constexpr int kWakeUpSends = 3;
constexpr std::uint32_t kPauseAfterSilenceMs = 500;
constexpr std::uint32_t kPauseAfterFailedWaitMs = 1000;
constexpr std::uint32_t kPauseAfterNoticeMs = 1000;
constexpr std::size_t kCommandHeaderLength = 8;
constexpr std::size_t kNakHeaderLength = 4;
constexpr std::size_t kScratchSize = 10;

bool StartsWith(std::span<const std::uint8_t> bytes, const char (&text)[4]) {
  return bytes.size() >= 3 && std::memcmp(bytes.data(), text, 3) == 0;
}

// The hbm reply at the buffer's start, then (unless only the attributes are
// wanted) the nrv datagram right after it.
class StatusCollector final : public ReplyCollector {
 public:
  StatusCollector(std::span<std::uint8_t> buffer, StatusReply& reply, bool hbmOnly)
      : buffer_(buffer), reply_(reply), hbmOnly_(hbmOnly) {}

  std::span<std::uint8_t> Space() override { return buffer_.subspan(reply_.totalLength); }

  bool Take(std::size_t length) override {
    const auto datagram = Space().first(length);
    if (reply_.hbmLength == 0) {
      if (!StartsWith(datagram, "hbm")) return false;
      reply_.hbmLength = reply_.totalLength = length;
      return hbmOnly_;
    }
    if (!StartsWith(datagram, "nrv")) return false;
    reply_.totalLength += length;
    return true;
  }

 private:
  const std::span<std::uint8_t> buffer_;
  StatusReply& reply_;
  const bool hbmOnly_;
};

// The first NAK reply to `command`; other datagrams are received over it.
class NakCollector final : public ReplyCollector {
 public:
  NakCollector(std::uint8_t command, std::span<std::uint8_t> reply, std::size_t& replyLength)
      : command_(command), reply_(reply.empty() ? std::span<std::uint8_t>(scratch_) : reply),
        replyLength_(replyLength) {}

  std::span<std::uint8_t> Space() override { return reply_; }

  bool Take(std::size_t length) override {
    const auto datagram = reply_.first(length);
    if (length < kNakHeaderLength || !StartsWith(datagram, "NAK") || datagram[3] != command_) {
      return false;
    }
    replyLength_ = length;
    return true;
  }

 private:
  const std::uint8_t command_;
  std::uint8_t scratch_[kScratchSize] = {};
  const std::span<std::uint8_t> reply_;
  std::size_t& replyLength_;
};

enum class ExchangeEnd { Answered, Silent, Failed };

// Sends `request` up to `sends` times, waiting kReplyWaitMs after each, with
// `flag` set on the port while waiting. A NIC that did not answer gets a
// moment more (longer after a failed wait) before the caller turns to it
// again, for a job's connection or the next query.
ExchangeEnd Exchange(platform::UdpSocket& socket, std::span<const std::uint8_t> request,
                     int sends, ReplyCollector& collector, NetPort* port, std::uint32_t flag) {
  CollectEnd end = CollectEnd::TimedOut;
  {
    const PortFlagScope waiting(port, flag);
    for (int sent = 0; sent < sends && end == CollectEnd::TimedOut; ++sent) {
      if (!SendToNic(socket, request)) return ExchangeEnd::Failed;
      end = CollectReplies(socket, kReplyWaitMs, collector);
    }
  }
  if (end == CollectEnd::Ended) return ExchangeEnd::Answered;
  socket.Close();
  const bool silent = end == CollectEnd::TimedOut;
  platform::SleepMs(silent ? kPauseAfterSilenceMs : kPauseAfterFailedWaitMs);
  return silent ? ExchangeEnd::Silent : ExchangeEnd::Failed;
}

bool QueryStatus(std::uint32_t address, NetPort* port, std::span<std::uint8_t> buffer,
                 StatusReply& reply, bool hbmOnly) {
  platform::UdpSocket socket;
  std::uint16_t ownPort = 0;
  if (!ConnectToNic(socket, address, nic::kAttributePort, ownPort)) return false;
  const std::vector<std::uint8_t> probe = nic::BuildShortProbeRequest(ownPort);
  if (probe.empty()) return false;
  StatusCollector collector(buffer, reply, hbmOnly);
  switch (Exchange(socket, probe, kProbeSends, collector, port, PF_STATUS_QUERY)) {
    case ExchangeEnd::Answered: return true;
    // Not every NIC sends the nrv datagram: its hbm reply is answer enough.
    case ExchangeEnd::Silent: return reply.hbmLength != 0;
    case ExchangeEnd::Failed: break;
  }
  return false;
}

// The 8-byte header with the payload's length, then the payload.
std::vector<std::uint8_t> CommandRequest(std::uint8_t command,
                                         std::span<const std::uint8_t> payload,
                                         std::uint16_t ownPort) {
  if (payload.size() > 0xFFFF) return {};
  const std::vector<std::uint8_t> header = nic::BuildEmptyCommandRequest(command, ownPort);
  if (header.size() != kCommandHeaderLength) return {};
  std::vector<std::uint8_t> request(kCommandHeaderLength + payload.size());
  std::copy(header.begin(), header.end(), request.begin());
  request[6] = static_cast<std::uint8_t>(payload.size() >> 8);
  request[7] = static_cast<std::uint8_t>(payload.size());
  std::copy(payload.begin(), payload.end(), request.begin() + kCommandHeaderLength);
  return request;
}

}  // namespace

bool QueryNicStatus(NetPort& port, std::span<std::uint8_t> buffer, StatusReply& reply) {
  reply = {};
  std::uint32_t address = 0;
  return NicAddress(port, address) && QueryStatus(address, &port, buffer, reply, false);
}

bool QueryNicAttributes(std::uint32_t address, std::span<std::uint8_t> buffer,
                        std::size_t& hbmLength) {
  StatusReply reply;
  const bool answered = QueryStatus(address, nullptr, buffer, reply, true);
  hbmLength = reply.hbmLength;
  return answered;
}

bool SendNicCommand(NetPort& port, std::uint8_t command, std::span<const std::uint8_t> payload,
                    std::span<std::uint8_t> reply, std::size_t& replyLength, int sends) {
  replyLength = 0;
  std::uint32_t address = 0;
  platform::UdpSocket socket;
  std::uint16_t ownPort = 0;
  if (!NicAddress(port, address) ||
      !ConnectToNic(socket, address, nic::kCommandPort, ownPort)) {
    return false;
  }
  const std::vector<std::uint8_t> request = CommandRequest(command, payload, ownPort);
  if (request.empty()) return false;
  NakCollector collector(command, reply, replyLength);
  return Exchange(socket, request, std::max(sends, 1), collector, &port, PF_COMMAND_QUERY) ==
         ExchangeEnd::Answered;
}

bool WakePrinter(const NetPort& port, const std::uint8_t (&mac)[6], std::uint32_t broadcast) {
  std::uint32_t address = broadcast;
  if (broadcast == 0 && !NicAddress(port, address)) return false;
  platform::UdpSocket socket;
  std::uint16_t ownPort = 0;
  if (!ConnectToNic(socket, address, nic::kCommandPort, ownPort, broadcast != 0)) return false;
  nic::Mac bytes{};
  std::copy(std::begin(mac), std::end(mac), bytes.begin());
  const nic::WakeUpPacket packet = nic::BuildWakeUpPacket(bytes);
  for (int i = 0; i < kWakeUpSends; ++i) {
    if (!SendToNic(socket, packet)) return false;
  }
  return true;
}

bool SendExnNotice(const NetPort& port, std::uint16_t printLinkPort) {
  std::uint32_t address = 0;
  platform::UdpSocket socket;
  std::uint16_t ownPort = 0;
  if (!NicAddress(port, address) ||
      !ConnectToNic(socket, address, nic::kAttributePort, ownPort)) {
    return false;
  }
  const nic::ExnNotice notice = nic::BuildExnNotice(ownPort, printLinkPort);
  if (!SendToNic(socket, notice)) return false;
  platform::SleepMs(kPauseAfterNoticeMs);
  return true;
}

}  // namespace portmon
