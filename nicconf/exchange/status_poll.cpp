#include "nicconf/exchange/status_poll.h"

#include <cstring>
#include <memory>
#include <new>

#include "common/bounded_text.h"
#include "nicconf/exchange/start_exchange.h"
#include "nicconf/exchange/status_summary.h"
#include "nicconf/exchange/transport.h"
#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/picture_flags.h"
#include "nicproto/status_datagram.h"
#include "nicproto/status_interpretation.h"
#include "platform/tick.h"
#include "platform/udp_socket.h"

namespace nic {
namespace {

constexpr std::uint32_t kStatusWaitMs = 200;

PolledPrinter FromRecord(const PrinterRecord& record) {
  PolledPrinter p{};
  p.info.family = -1;
  p.info.paperSource = 255;
  CopyBoundedText(p.ip, record.ip);
  CopyBoundedText(p.mac, record.mac);
  return p;
}

}  // namespace

StatusPoll::StatusPoll(std::span<const PrinterRecord> printers, std::uint32_t timeoutMs)
    : Exchange(ExchangeKind::Poll, timeoutMs) {
  printers_.reserve(printers.size());
  for (const PrinterRecord& record : printers) {
    printers_.push_back(FromRecord(record));
    addresses_.push_back(ReadIpNumbers(printers_.back().ip));
  }
  for (std::size_t i = 0; i < printers_.size(); ++i) {
    for (const IpNumbers& other : addresses_) printers_[i].sameIpCount += addresses_[i] == other;
  }
}

void StatusPoll::Run() {
  ExchangeStatus status = OpenExchangeSocket(*this);
  if (status.ended()) return EndPending(status);
  const auto probe =
      BuildAttributeRequest(Transport::Udp, FrameKind::ProbeRequest, AttributeRecord{}, localPort);
  if (probe.empty()) return EndPending({kRequestNotBuilt, kOutOfMemoryError});

  if (status = ProbePass(probe, false); status.ended()) return EndPending(status);
  if (!AllAnswered()) {
    status = WaitUntil(&StatusPoll::AllAnswered);
    if (status.endCode == kCancelled) return EndPending(status);
    if (!AllAnswered()) {
      if (status = ProbePass(probe, true); status.ended()) return EndPending(status);
      status = WaitUntil(&StatusPoll::AllAnswered);
      if (status.ended() && !AllAnswered()) return EndPending(status);
    }
  }
  if (!StatusesComplete()) {
    timeoutMs = kStatusWaitMs;
    WaitUntil(&StatusPoll::StatusesComplete);
  }
  EndPending({kFinished, 0});
}

// A probe to each entry (or each that has not answered), each followed by a
// short look for answers that are already there.
ExchangeStatus StatusPoll::ProbePass(const std::vector<std::uint8_t>& probe, bool onlyUnanswered) {
  for (const PolledPrinter& p : printers_) {
    if (onlyUnanswered && p.info.attrReceived != 0) continue;
    // A list file may hold an address no datagram can go to: that printer
    // alone stays unanswered, the others are still polled.
    if (!platform::IsSendableAddress(p.ip)) continue;
    const ExchangeStatus sent = SendRequest(*this, p.ip, kAttributePort, probe);
    if (sent.ended()) return sent;
    const Received received = ReceivePass(*this, ReceiveMode::Polling);
    if (received.arrived) Match(received.bytes, received.from);
    if (received.status.ended()) return received.status;
  }
  return {};
}

// Waits from now until `complete` holds (kPending) or the pass ends.
ExchangeStatus StatusPoll::WaitUntil(bool (StatusPoll::*complete)() const) {
  startTick = platform::TickCount();
  while (!(this->*complete)()) {
    const Received received = ReceivePass(*this, ReceiveMode::Waiting);
    if (received.arrived) Match(received.bytes, received.from);
    if (received.status.ended()) return (this->*complete)() ? ExchangeStatus{} : received.status;
  }
  return {};
}

bool StatusPoll::AllAnswered() const {
  for (const PolledPrinter& p : printers_) {
    if (p.info.attrReceived == 0) return false;
  }
  return true;
}

// A status text cannot be told apart between printers sharing one address,
// so only printers alone at their address wait for one.
bool StatusPoll::StatusesComplete() const {
  for (const PolledPrinter& p : printers_) {
    if (p.sameIpCount == 1 && p.info.statusReceived == 0) return false;
  }
  return true;
}

void StatusPoll::EndPending(ExchangeStatus status) {
  for (PolledPrinter& p : printers_) {
    if (p.endCode != kPending) continue;
    p.endCode = status.endCode;
    p.socketError = static_cast<std::uint32_t>(status.socketError);
  }
}

void StatusPoll::Match(std::span<const std::uint8_t> datagram,
                       const platform::ReceivedFrom& from) {
  if (from.port != kAttributePort) return;
  if (IsStatusDatagram(datagram)) {
    MatchStatus(datagram, from);
  } else {
    MatchReply(datagram, from);
  }
}

void StatusPoll::MatchReply(std::span<const std::uint8_t> datagram,
                            const platform::ReceivedFrom& from) {
  auto reply = std::make_unique<AttributeRecord>();
  FrameKind kind{};
  char mac[kMacTextSize];
  if (!ParseAttributeFrame(datagram, kind, *reply) || kind != FrameKind::ProbeReply ||
      !GetMacText(*reply, mac, sizeof mac)) {
    return;
  }
  const IpNumbers source = ReadIpNumbers(from.ip);
  for (std::size_t i = 0; i < printers_.size(); ++i) {
    PolledPrinter& p = printers_[i];
    if (addresses_[i] != source || CompareMacText(p.mac, mac) != 0) continue;
    GetByteAttribute(*reply, tag::kPrintActivity, p.info.printActivity);
    GetByteAttribute(*reply, tag::kPortStatus, p.info.portStatus);
    std::size_t length = 0;
    GetAttribute(*reply, tag::kFirmwareVersion, reinterpret_cast<std::uint8_t*>(p.nicStatus), 5,
                 length);
    p.info.attrReceived = 1;
    p.endCode = kFinished;
    return;
  }
}

void StatusPoll::MatchStatus(std::span<const std::uint8_t> datagram,
                             const platform::ReceivedFrom& from) {
  const IpNumbers source = ReadIpNumbers(from.ip);
  for (std::size_t i = 0; i < printers_.size(); ++i) {
    PolledPrinter& p = printers_[i];
    if (addresses_[i] != source) continue;
    if (p.sameIpCount >= 2) return;
    auto status = std::make_unique<StatusRecord>();
    if (ParseStatusDatagram(datagram, *status)) TakeStatusSummary(*status, p.info);
    return;
  }
}

StatusPoll* StartStatusPoll(std::span<const PrinterRecord> printers, std::uint32_t timeoutMs) {
  return StartExchange(new (std::nothrow) StatusPoll(printers, timeoutMs));
}

bool GetPolledPrinter(const Exchange* poll, const char* ip, const char* mac,
                      PrinterPictureInfo& info, char (&nicStatus)[6]) {
  if (poll == nullptr || poll->kind() != ExchangeKind::Poll) return false;
  for (const PolledPrinter& p : static_cast<const StatusPoll*>(poll)->printers()) {
    if (CompareIpText(p.ip, ip) == 0 && CompareMacText(p.mac, mac) == 0) {
      info = p.info;
      std::memcpy(nicStatus, p.nicStatus, sizeof nicStatus);
      return true;
    }
  }
  return false;
}

}  // namespace nic
