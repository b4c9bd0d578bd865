#include "nicconf/exchange/nic_search.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "common/bounded_text.h"
#include "nicconf/exchange/start_exchange.h"
#include "nicconf/exchange/transport.h"
#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/status_datagram.h"
#include "platform/tick.h"

namespace nic {
namespace {

// Fills name, ip, mac and description from a probe reply; false when the
// reply lacks the NIC's address or MAC.
bool DescribeNic(const AttributeRecord& reply, FoundNic& nic) {
  char ip[kIpTextSize];
  char mac[kMacTextSize];
  if (!GetIpAttribute(reply, tag::kIpAddress, ip, sizeof ip) ||
      !GetMacText(reply, mac, sizeof mac)) {
    return false;
  }
  CopyBoundedText(nic.ip, ip);
  CopyBoundedText(nic.mac, mac);
  nic.name[0] = '\0';
  nic.description[0] = '\0';
  GetTextAttribute(reply, tag::kName, nic.name, sizeof nic.name);
  GetTextAttribute(reply, tag::kDescription, nic.description, sizeof nic.description);
  nic.model[0] = '\0';
  return true;
}

bool ParseProbeReply(std::span<const std::uint8_t> datagram, AttributeRecord& reply) {
  FrameKind kind{};
  return ParseAttributeFrame(datagram, kind, reply) && kind == FrameKind::ProbeReply;
}

}  // namespace

NicSearch::NicSearch(const char* target, std::size_t maxResults, std::uint32_t timeoutMs)
    : Exchange(ExchangeKind::Search, timeoutMs),
      range_(false),
      maxResults_(maxResults),
      records_(maxResults, FoundNic{}) {
  CopyBoundedText(target_, target);
}

NicSearch::NicSearch(std::vector<FoundNic> addresses, std::uint32_t timeoutMs)
    : Exchange(ExchangeKind::Search, timeoutMs), range_(true), records_(std::move(addresses)) {}

void NicSearch::Run() {
  status_ = OpenExchangeSocket(*this);
  if (status_.ended()) return;
  const auto probe =
      BuildAttributeRequest(Transport::Udp, FrameKind::ProbeRequest, AttributeRecord{}, localPort);
  if (probe.empty()) {
    status_ = {kRequestNotBuilt, kOutOfMemoryError};
    return;
  }
  status_ = Probe(probe);
  if (status_.ended()) return;
  CollectUntilTimeOut();
  status_ = {kFinished, 0};
}

// Broadcast: one probe. Range: a probe to each address, each followed by a
// short look for answers that are already there.
ExchangeStatus NicSearch::Probe(const std::vector<std::uint8_t>& probe) {
  if (!range_) return SendRequest(*this, target_, kAttributePort, probe, true);
  for (const FoundNic& record : records_) {
    const ExchangeStatus sent = SendRequest(*this, record.ip, kAttributePort, probe);
    if (sent.ended()) return sent;
    const Received received = ReceivePass(*this, ReceiveMode::Polling);
    if (received.arrived) Match(received.bytes, received.from);
    if (received.status.endCode == kCancelled) return received.status;
  }
  return {};
}

// Receive errors are ignored here: a search goes on listening.
void NicSearch::CollectUntilTimeOut() {
  startTick = platform::TickCount();
  for (;;) {
    const Received received = ReceivePass(*this, ReceiveMode::Waiting);
    if (received.arrived) Match(received.bytes, received.from);
    if (received.status.endCode == kCancelled || received.status.endCode == kTimedOut) return;
  }
}

void NicSearch::Match(std::span<const std::uint8_t> datagram,
                      const platform::ReceivedFrom& from) {
  if (from.port != kAttributePort) return;
  if (IsStatusDatagram(datagram)) {
    MatchStatus(datagram, from);
  } else {
    MatchReply(datagram, from);
  }
}

void NicSearch::MatchReply(std::span<const std::uint8_t> datagram,
                           const platform::ReceivedFrom& from) {
  auto reply = std::make_unique<AttributeRecord>();
  if (!ParseProbeReply(datagram, *reply)) return;
  if (!range_) {
    const std::size_t n = found_.load(std::memory_order_relaxed);
    if (n >= maxResults_) return;
    if (DescribeNic(*reply, records_[n])) found_.store(n + 1, std::memory_order_release);
    return;
  }
  for (FoundNic& record : records_) {
    if (CompareIpText(record.ip, from.ip) != 0) continue;
    FoundNic described = record;
    if (!DescribeNic(*reply, described)) return;
    const bool first = record.answered == 0;
    record = described;
    record.answered = 1;
    if (first) found_.fetch_add(1, std::memory_order_release);
    return;
  }
}

void NicSearch::MatchStatus(std::span<const std::uint8_t> datagram,
                            const platform::ReceivedFrom& from) {
  auto status = std::make_unique<StatusRecord>();
  if (!ParseStatusDatagram(datagram, *status)) return;
  if (!range_) {
    for (std::size_t i = found_.load(std::memory_order_relaxed); i-- > 0;) {
      if (CompareIpText(records_[i].ip, from.ip) == 0) {
        CopyBoundedText(records_[i].model, status->mdl);
        return;
      }
    }
    return;
  }
  for (FoundNic& record : records_) {
    if (record.answered != 0 && CompareIpText(record.ip, from.ip) == 0) {
      CopyBoundedText(record.model, status->mdl);
      return;
    }
  }
}

std::vector<FoundNic> RangeRecords(const char* firstAddress, int lastValue) {
  const char* dot = firstAddress != nullptr ? std::strrchr(firstAddress, '.') : nullptr;
  if (dot == nullptr || lastValue < 0 || lastValue > 255) return {};
  char* end = nullptr;
  const long first = std::strtol(dot + 1, &end, 10);
  if (end == dot + 1 || *end != '\0' || first < 0 || first > 255) return {};
  const std::string prefix(firstAddress, static_cast<std::size_t>(dot - firstAddress));
  if (prefix.size() > 11) return {};  // three octets at most: "255.255.255"

  std::vector<int> values;
  if (first <= lastValue) {
    for (int v = static_cast<int>(first); v <= lastValue; ++v) values.push_back(v);
  } else {
    for (int v = static_cast<int>(first); v <= 254; ++v) values.push_back(v);
    for (int v = 1; v <= lastValue; ++v) values.push_back(v);
  }
  std::vector<FoundNic> records(values.size(), FoundNic{});
  for (std::size_t i = 0; i < values.size(); ++i) {
    std::snprintf(records[i].ip, sizeof records[i].ip, "%s.%d", prefix.c_str(), values[i]);
  }
  return records;
}

NicSearch* StartBroadcastSearch(const char* address, std::size_t maxResults,
                                std::uint32_t timeoutMs) {
  if (address == nullptr) return nullptr;
  return StartExchange(new (std::nothrow) NicSearch(address, maxResults, timeoutMs));
}

NicSearch* StartRangeSearch(const char* firstAddress, int lastValue, std::size_t,
                            std::uint32_t timeoutMs) {
  std::vector<FoundNic> records = RangeRecords(firstAddress, lastValue);
  if (records.empty()) return nullptr;
  return StartExchange(new (std::nothrow) NicSearch(std::move(records), timeoutMs));
}

std::size_t GetFoundCount(const Exchange* search) {
  if (search == nullptr || search->kind() != ExchangeKind::Search) return 0;
  return static_cast<const NicSearch*>(search)->foundCount();
}

bool GetFoundNic(const Exchange* search, std::size_t index, FoundNic& nic) {
  if (search == nullptr || search->kind() != ExchangeKind::Search) return false;
  const auto* s = static_cast<const NicSearch*>(search);
  if (!s->isRange()) {
    if (index >= s->foundCount()) return false;
    nic = s->records()[index];
    return true;
  }
  for (const FoundNic& record : s->records()) {
    if (record.answered == 0) continue;
    if (index-- == 0) {
      nic = record;
      return true;
    }
  }
  return false;
}

}  // namespace nic
