#include "nicconf/ipx/core/ipx_job.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/bounded_text.h"
#include "nicconf/exchange/status_summary.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/mac_text.h"
#include "nicproto/picture_flags.h"
#include "nicproto/status_datagram.h"

namespace nic::ipx {
namespace {

constexpr int kPaperSourceFlags[] = {0, 1, 2, 3, 4, 5, 6, 13};

bool StartsWith(std::span<const std::uint8_t> data, const char* text, std::size_t length) {
  return data.size() >= length && std::memcmp(data.data(), text, length) == 0;
}

void Keep(Answer& answer, const ReceivedDatagram& datagram) {
  answer.length = std::min<std::uint32_t>(datagram.length, kMaxDatagram);
  std::memcpy(answer.data, datagram.data, answer.length);
  answer.present = true;
}

std::span<const std::uint8_t> Bytes(const Answer& answer) {
  return {answer.data, answer.present ? answer.length : 0};
}

bool DecodeProbeReply(const Answer& answer, AttributeRecord& record) {
  FrameKind kind{};
  return answer.present && ParseAttributeFrame(Bytes(answer), kind, record) &&
         kind == FrameKind::ProbeReply;
}

// The IPX summary keeps the paper source only when the NIC answered too, and
// takes the paper-source list of one block: ADVINF's when valid, else
// EXTSTS's, and only while EXTSTS is valid.
void TakeIpxStatus(const StatusRecord& status, bool probeDecoded, PrinterPictureInfo& info) {
  TakeStatusSummary(status, info);
  if (!probeDecoded) info.paperSource = 255;
  for (int flag : kPaperSourceFlags) info.pictureFlags[flag] = 0;
  if (status.extStatusValid) {
    if (status.advInfoValid) {
      MarkPaperSourceFlags(status.advInfo.entries, status.advInfo.entryCount, info.pictureFlags);
    } else {
      MarkPaperSourceFlags(status.extStatus.entries, status.extStatus.entryCount,
                           info.pictureFlags);
    }
  }
}

void FillTexts(const ResponderSlot& slot, const AttributeRecord& reply, Result& result) {
  char network[9];
  char mac[18];
  FormatNetworkText(slot.network, network);
  FormatNodeMac(slot.node, mac);
  CopyBoundedText(result.network, network);
  CopyBoundedText(result.mac, mac);
  GetIpAttribute(reply, tag::kIpAddress, result.ip, sizeof result.ip);
  std::size_t length = 0;
  GetAttribute(reply, tag::kFirmwareVersion, reinterpret_cast<std::uint8_t*>(result.nicStatus), 5,
               length);
  GetTextAttribute(reply, tag::kName, result.name, sizeof result.name);
}

// Fills `result` from one responder; false when it makes no record.
bool Summarise(const ResponderSlot& slot, Result& result) {
  result = Result{};
  result.info.family = -1;
  result.info.paperSource = 255;
  auto reply = std::make_unique<AttributeRecord>();
  const bool probeDecoded = DecodeProbeReply(slot.probeReply, *reply);
  bool activity = false;
  bool port = false;
  if (probeDecoded) {
    result.info.attrReceived = 1;
    activity = GetByteAttribute(*reply, tag::kPrintActivity, result.info.printActivity);
    port = GetByteAttribute(*reply, tag::kPortStatus, result.info.portStatus);
  }
  auto status = std::make_unique<StatusRecord>();
  const bool statusDecoded = slot.status.present && ParseStatusDatagram(Bytes(slot.status), *status);
  if (statusDecoded) TakeIpxStatus(*status, probeDecoded, result.info);
  if (statusDecoded && !(probeDecoded && activity && port)) return false;
  if (probeDecoded) FillTexts(slot, *reply, result);
  return true;
}

}  // namespace

std::size_t SendCount(const JobData& job) {
  switch (job.kind) {
    case JobKind::MultiTarget: return std::min<std::size_t>(job.targetCount, kMaxTargets);
    case JobKind::Read: return std::min<std::size_t>(2 * job.targetCount, kControlBlocks);
    case JobKind::Write: return std::min<std::size_t>(job.requestCount, kMaxTargets);
  }
  return 0;
}

std::span<const std::uint8_t> Datagram(const JobData& job, std::size_t index) {
  switch (job.kind) {
    case JobKind::MultiTarget: return kProbe;
    case JobKind::Read: return index % 2 == 0 ? std::span<const std::uint8_t>(kProbe)
                                              : std::span<const std::uint8_t>(kExtProbe);
    case JobKind::Write: {
      const Request& request = job.requests[index];
      return {request.data, std::min<std::size_t>(request.length, kMaxDatagram)};
    }
  }
  return {};
}

const AddressRecord& Destination(const JobData& job, std::size_t index) {
  return job.kind == JobKind::Read ? job.targets[0] : job.targets[index];
}

bool TakeDatagram(JobData& job, const std::uint8_t (&network)[kNetworkSize],
                  const std::uint8_t (&node)[kNodeSize], std::span<const std::uint8_t> data) {
  if (job.receivedCount >= kMaxTargets) return false;
  if (job.kind == JobKind::Read && std::memcmp(node, job.targets[0].node, kNodeSize) != 0) {
    return false;
  }
  ReceivedDatagram& stored = job.received[job.receivedCount++];
  std::memcpy(stored.network, network, kNetworkSize);
  std::memcpy(stored.node, node, kNodeSize);
  stored.length = static_cast<std::uint32_t>(std::min(data.size(), kMaxDatagram));
  std::memcpy(stored.data, data.data(), stored.length);
  return true;
}

bool HasAllAnswers(const JobData& job) {
  bool seen[6] = {};
  for (std::uint32_t i = 0; i < std::min<std::uint32_t>(job.receivedCount, kMaxTargets); ++i) {
    const ReceivedDatagram& d = job.received[i];
    seen[static_cast<int>(ClassifyDatagram({d.data, d.length}))] = true;
  }
  const auto has = [&](DatagramKind kind) { return seen[static_cast<int>(kind)]; };
  switch (job.kind) {
    case JobKind::Read:
      return has(DatagramKind::ProbeReply) && has(DatagramKind::Status) &&
             has(DatagramKind::ExtProbeReply);
    case JobKind::Write:
      return has(DatagramKind::SetReply) &&
             (job.requestCount < 2 || has(DatagramKind::ExtSetReply));
    case JobKind::MultiTarget: return false;
  }
  return false;
}

DatagramKind ClassifyDatagram(std::span<const std::uint8_t> data) {
  if (StartsWith(data, "hbm\0", 4)) return DatagramKind::ProbeReply;
  if (StartsWith(data, "hbm\x06", 4)) return DatagramKind::ExtProbeReply;
  if (StartsWith(data, "hbm\x07", 4)) return DatagramKind::ExtSetReply;
  if (StartsWith(data, "cfm", 3)) return DatagramKind::SetReply;
  if (StartsWith(data, "nrv", 3)) return DatagramKind::Status;
  return DatagramKind::Other;
}

std::vector<ResponderSlot> GroupResponders(std::span<const ReceivedDatagram> received,
                                           bool allKinds) {
  std::vector<ResponderSlot> slots;
  for (const ReceivedDatagram& d : received) {
    const DatagramKind kind =
        ClassifyDatagram({d.data, std::min<std::size_t>(d.length, kMaxDatagram)});
    if (kind == DatagramKind::Other) continue;
    if (!allKinds && kind != DatagramKind::ProbeReply && kind != DatagramKind::Status) continue;
    auto slot = std::find_if(slots.begin(), slots.end(), [&](const ResponderSlot& s) {
      return std::memcmp(s.network, d.network, kNetworkSize) == 0 &&
             std::memcmp(s.node, d.node, kNodeSize) == 0;
    });
    if (slot == slots.end()) {
      slot = slots.insert(slots.end(), ResponderSlot{});
      std::memcpy(slot->network, d.network, kNetworkSize);
      std::memcpy(slot->node, d.node, kNodeSize);
    }
    switch (kind) {
      case DatagramKind::ProbeReply: Keep(slot->probeReply, d); break;
      case DatagramKind::ExtProbeReply: Keep(slot->extProbeReply, d); break;
      case DatagramKind::Status: Keep(slot->status, d); break;
      case DatagramKind::SetReply: slot->setReply = true; break;
      case DatagramKind::ExtSetReply: slot->extSetReply = true; break;
      case DatagramKind::Other: break;
    }
  }
  return slots;
}

void CollectMultiTarget(std::span<const ReceivedDatagram> received, ResultList& list) {
  list.count = 0;
  for (const ResponderSlot& slot : GroupResponders(received, false)) {
    if (list.count == kMaxResults) break;
    if (Summarise(slot, list.records[list.count])) ++list.count;
  }
}

bool CollectSingle(std::span<const ReceivedDatagram> received, TransactionBlock& block) {
  const std::vector<ResponderSlot> slots = GroupResponders(received, true);
  if (slots.empty()) return false;
  const ResponderSlot& slot = slots.front();
  if (!slot.probeReply.present) return slot.setReply || slot.extSetReply;
  block.attrReplied = DecodeProbeReply(slot.probeReply, block.attributes);
  block.statusReceived = slot.status.present && ParseStatusDatagram(Bytes(slot.status), block.status);
  FrameKind kind{};
  block.extReplied = slot.extProbeReply.present &&
                     ParseExtendedFrame(Bytes(slot.extProbeReply), kind, block.extendedText) &&
                     kind == FrameKind::ExtProbeReply;
  char description[kAttributeValueSize + 1] = {};
  if (block.attrReplied &&
      GetTextAttribute(block.attributes, tag::kDescription, description, sizeof description) &&
      std::strstr(description, "NRV") == nullptr) {
    block.attrReplied = 0;
  }
  return block.attrReplied != 0;
}

const Result* FindResult(const ResultList& list, const char* network, const char* mac) {
  for (std::uint32_t i = 0; i < std::min<std::uint32_t>(list.count, kMaxResults); ++i) {
    const Result& r = list.records[i];
    if (SameNetworkText(r.network, network) && CompareMacText(r.mac, mac) == 0) return &r;
  }
  return nullptr;
}

}  // namespace nic::ipx
