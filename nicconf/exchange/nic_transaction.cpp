#include "nicconf/exchange/nic_transaction.h"

#include <cstring>
#include <new>

#include "common/bounded_text.h"
#include "nicconf/exchange/arp_path.h"
#include "nicconf/exchange/start_exchange.h"
#include "nicconf/exchange/transport.h"
#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/command_frame.h"
#include "nicproto/status_datagram.h"
#include "platform/tick.h"

namespace nic {
namespace {

constexpr std::uint32_t kCommandPauseMs = 50;
constexpr std::uint32_t kStatusWaitMs = 200;

bool InUse(const CommandSlot& slot) { return slot.state != SlotState::Free; }

bool Awaits(const CommandSlot& slot) {
  return slot.state == SlotState::Pending && CommandAwaitsReply(slot.command);
}

std::unique_ptr<CommandSlotList> CopySlots(const CommandSlotList* slots) {
  if (slots == nullptr) return nullptr;
  auto copy = std::make_unique<CommandSlotList>(*slots);
  for (std::size_t i = 0; i < copy->size(); ++i) {
    if (InUse((*copy)[i])) (*copy)[i].state = SlotState::Pending;
  }
  return copy;
}

// A text that does not fit its field is not cut to something that might
// pass for an address: the field stays empty and the address is refused.
template <std::size_t N>
void CopyWhole(char (&field)[N], const char* text) {
  if (std::strlen(text) < N) {
    CopyBoundedText(field, text);
  } else {
    field[0] = '\0';
  }
}

}  // namespace

NicTransaction::NicTransaction(const char* ip, const char* mac, const CommandSlotList* slots,
                               bool checkMac, std::uint32_t timeoutMs)
    : Exchange(ExchangeKind::Transaction, timeoutMs),
      write_(false),
      checkMac_(checkMac),
      result_(std::make_unique<TransactionBlock>()),
      slots_(CopySlots(slots)) {
  CopyWhole(targetIp_, ip);
  CopyWhole(targetMac_, mac);
  arpPath_ = std::strcmp(targetIp_, kUnknownNicAddress) == 0;
}

NicTransaction::NicTransaction(const char* ip, const char* mac, const TransactionBlock* request,
                               const CommandSlotList* slots, std::uint32_t timeoutMs,
                               bool useArpPath)
    : Exchange(ExchangeKind::Transaction, timeoutMs),
      write_(true),
      checkMac_(true),
      result_(std::make_unique<TransactionBlock>()),
      slots_(CopySlots(slots)) {
  CopyWhole(targetIp_, ip);
  CopyWhole(targetMac_, mac);
  arpPath_ = useArpPath || std::strcmp(targetIp_, kUnknownNicAddress) == 0;
  if (request != nullptr) {
    request_ = std::make_unique<TransactionBlock>(*request);
    writeAttributes_ = request->attrReplied != 0;
    writeExtText_ = request->extReplied != 0;
  }
}

void NicTransaction::Run() {
  for (;;) {
    status_ = write_ ? WriteOnce() : ReadOnce();
    socket.Close();
    RemoveArpPath(targetIp_, routeAdded_, arpAdded_);
    // A NIC that stayed silent at its address is tried once more by MAC.
    if (status_.endCode != kTimedOut || arpPath_ || !NothingArrived()) return;
    arpPath_ = true;
  }
}

bool NicTransaction::NothingArrived() const {
  if (!write_) return result_->attrReplied == 0;
  return result_->attrReplied == 0 && result_->extReplied == 0 && !AnySlotAnswered();
}

ExchangeStatus NicTransaction::Open() {
  ExchangeStatus status = OpenExchangeSocket(*this);
  if (status.ended() || !arpPath_) return status;
  return SetUpArpPath(targetIp_, targetMac_, routeAdded_, arpAdded_);
}

ExchangeStatus NicTransaction::ReadOnce() {
  if (ExchangeStatus opened = Open(); opened.ended()) return opened;
  const auto probe =
      BuildAttributeRequest(Transport::Udp, FrameKind::ProbeRequest, AttributeRecord{}, localPort);
  if (probe.empty()) return {kRequestNotBuilt, kOutOfMemoryError};
  if (ExchangeStatus sent = SendRequest(*this, targetIp_, kAttributePort, probe); sent.ended()) {
    return sent;
  }
  startTick = platform::TickCount();
  if (ExchangeStatus s = ReceiveUntil(&NicTransaction::AttributesArrived); s.ended()) return s;
  // From here on whatever ends the wait ends the read: the caller tells what
  // arrived from the flags and the answered slots.
  const ExchangeStatus more = ReadMore();
  if (more.ended() && more.endCode != kCancelled) return more;
  if (result_->statusReceived == 0 && !cancelRequested()) {
    timeoutMs = kStatusWaitMs;
    startTick = platform::TickCount();
    ReceiveUntil(&NicTransaction::StatusArrived);
  }
  return {kFinished, 0};
}

// A NIC that speaks the command protocol gets the commands; otherwise one
// that keeps an extended text is asked for it.
ExchangeStatus NicTransaction::ReadMore() {
  std::uint8_t capability = 0;
  GetByteAttribute(result_->attributes, tag::kCapabilities, capability);
  if (capability == kCapabilityCommandProtocol) {
    if (!HasSlots()) return {};
    platform::SleepMs(kCommandPauseMs);
    if (ExchangeStatus sent = SendCommands(); sent.ended()) return sent;
    ReceiveUntil(&NicTransaction::SlotsAnswered);
    return {};
  }
  if (!ExtendedTextSupported()) return {};
  platform::SleepMs(kCommandPauseMs);
  const auto request = BuildAttributeRequest(Transport::Udp, FrameKind::ExtProbeRequest,
                                             ExtendedTextRecord{}, localPort);
  if (request.empty()) return {kRequestNotBuilt, kOutOfMemoryError};
  if (ExchangeStatus sent = SendRequest(*this, targetIp_, kAttributePort, request); sent.ended()) {
    return sent;
  }
  ReceiveUntil(HasSlots() ? &NicTransaction::SlotsAnswered : &NicTransaction::ExtendedArrived);
  return {};
}

ExchangeStatus NicTransaction::WriteOnce() {
  if (!writeAttributes_ && !writeExtText_ && !HasSlots()) return {kFinished, 0};
  if (ExchangeStatus opened = Open(); opened.ended()) return opened;
  if (writeAttributes_) {
    const auto request = BuildAttributeRequest(Transport::Udp, FrameKind::SetRequest,
                                               request_->attributes, localPort);
    if (request.empty()) return {kRequestNotBuilt, kOutOfMemoryError};
    if (ExchangeStatus s = SendRequest(*this, targetIp_, kAttributePort, request); s.ended()) {
      return s;
    }
  }
  if (writeExtText_) {
    const auto request = BuildAttributeRequest(Transport::Udp, FrameKind::ExtSetRequest,
                                               request_->extendedText, localPort);
    if (request.empty()) return {kRequestNotBuilt, kOutOfMemoryError};
    if (ExchangeStatus s = SendRequest(*this, targetIp_, kAttributePort, request); s.ended()) {
      return s;
    }
  }
  if (ExchangeStatus sent = SendCommands(); sent.ended()) return sent;
  startTick = platform::TickCount();
  if (ExchangeStatus s = ReceiveUntil(&NicTransaction::WriteComplete); s.ended()) return s;
  return {kFinished, 0};
}

ExchangeStatus NicTransaction::SendCommands() {
  if (slots_ == nullptr) return {};
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    const CommandSlot& slot = (*slots_)[i];
    if (!InUse(slot)) continue;
    const auto request = BuildCommandRequest(slot.command, slot, localPort);
    if (request.empty()) return {kRequestNotBuilt, kOutOfMemoryError};
    if (ExchangeStatus s = SendRequest(*this, targetIp_, kCommandPort, request); s.ended()) {
      return s;
    }
  }
  return {};
}

ExchangeStatus NicTransaction::ReceiveUntil(bool (NicTransaction::*complete)() const) {
  while (!(this->*complete)()) {
    const Received received = ReceivePass(*this, ReceiveMode::Waiting);
    if (received.arrived) Match(received.bytes, received.from);
    if (received.status.ended()) return (this->*complete)() ? ExchangeStatus{} : received.status;
  }
  return {};
}

bool NicTransaction::AttributesArrived() const { return result_->attrReplied != 0; }
bool NicTransaction::ExtendedArrived() const { return result_->extReplied != 0; }
bool NicTransaction::StatusArrived() const { return result_->statusReceived != 0; }

bool NicTransaction::HasSlots() const {
  if (slots_ == nullptr) return false;
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    if (InUse((*slots_)[i])) return true;
  }
  return false;
}

bool NicTransaction::SlotsAnswered() const {
  if (slots_ == nullptr) return true;
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    if (Awaits((*slots_)[i])) return false;
  }
  return true;
}

bool NicTransaction::AnySlotAnswered() const {
  if (slots_ == nullptr) return false;
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    if ((*slots_)[i].state == SlotState::Answered) return true;
  }
  return false;
}

bool NicTransaction::WriteComplete() const {
  return (!writeAttributes_ || AttributesArrived()) && (!writeExtText_ || ExtendedArrived()) &&
         SlotsAnswered();
}

bool NicTransaction::ExtendedTextSupported() const {
  std::uint8_t properties[2] = {};
  std::size_t length = 0;
  return GetAttribute(result_->attributes, tag::kProperties, properties, sizeof properties,
                      length) &&
         (properties[0] & 0x80) != 0;
}

void NicTransaction::Match(std::span<const std::uint8_t> datagram,
                           const platform::ReceivedFrom& from) {
  const bool fromTarget = ReadIpNumbers(from.ip) == ReadIpNumbers(targetIp_);
  if (from.port == kCommandPort) return MatchCommandReply(datagram, fromTarget);
  if (from.port != kAttributePort) return;
  if (IsStatusDatagram(datagram)) {
    // During a write the NIC may already answer from its new address.
    if ((write_ || fromTarget) && ParseStatusDatagram(datagram, result_->status)) {
      result_->statusReceived = 1;
    }
    return;
  }
  MatchAttributeFrame(datagram, fromTarget);
}

void NicTransaction::MatchAttributeFrame(std::span<const std::uint8_t> datagram,
                                         bool fromTarget) {
  const FrameKind kind = ClassifyAttributeHeader(datagram);
  const FrameKind awaited = write_ ? FrameKind::SetReply : FrameKind::ProbeReply;
  const FrameKind awaitedExtended = write_ ? FrameKind::ExtSetReply : FrameKind::ExtProbeReply;
  // A read's replies must come from the target; a write's may come from the
  // address the write has just given the NIC.
  if (!write_ && !fromTarget) return;
  if (kind == awaited) {
    auto reply = std::make_unique<AttributeRecord>();
    FrameKind parsed{};
    if (!ParseAttributeFrame(datagram, parsed, *reply)) return;
    if (checkMac_ && !MacAccepted(*reply)) return;
    result_->attributes = *reply;
    result_->attrReplied = 1;
  } else if (kind == awaitedExtended) {
    FrameKind parsed{};
    if (ParseExtendedFrame(datagram, parsed, result_->extendedText)) result_->extReplied = 1;
  }
}

// The placeholder MAC takes the first NIC that answers; another NIC at the
// address is remembered so the caller can name it.
bool NicTransaction::MacAccepted(const AttributeRecord& reply) {
  char mac[kMacTextSize];
  if (!GetMacText(reply, mac, sizeof mac)) return false;
  if (CompareMacText(targetMac_, kPlaceholderMac) == 0) CopyBoundedText(targetMac_, mac);
  if (CompareMacText(mac, targetMac_) == 0) return true;
  CopyBoundedText(otherMac_, mac);
  otherName_[0] = '\0';
  GetTextAttribute(reply, tag::kName, otherName_, sizeof otherName_);
  return false;
}

bool NicTransaction::HasCommandOneSlot() const {
  if (slots_ == nullptr) return false;
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    if (InUse((*slots_)[i]) && (*slots_)[i].command == 1) return true;
  }
  return false;
}

// A reply goes to the slot of its command; an unasked-for one may take a
// free slot but never displaces another command's pending slot.
CommandSlot* NicTransaction::SlotFor(std::uint8_t command) {
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    if (InUse((*slots_)[i]) && (*slots_)[i].command == command) return &(*slots_)[i];
  }
  for (std::size_t i = 0; i < slots_->size(); ++i) {
    if (!InUse((*slots_)[i])) {
      (*slots_)[i] = CommandSlot{};
      return &(*slots_)[i];
    }
  }
  return nullptr;
}

void NicTransaction::MatchCommandReply(std::span<const std::uint8_t> datagram, bool fromTarget) {
  if (slots_ == nullptr || datagram.size() < 4 || std::memcmp(datagram.data(), "NAK", 3) != 0) {
    return;
  }
  // Command 1 may have given the NIC a new address to answer from.
  if (!fromTarget && !HasCommandOneSlot()) return;
  const std::uint8_t command = datagram[3];
  if (!CommandAwaitsReply(command)) return;
  if (CommandSlot* slot = SlotFor(command)) ParseCommandReply(datagram, *slot);
}

NicTransaction* StartNicRead(const char* ip, const char* mac, const CommandSlotList* slots,
                             bool checkMac, std::uint32_t timeoutMs) {
  if (ip == nullptr || mac == nullptr) return nullptr;
  return StartExchange(new (std::nothrow) NicTransaction(ip, mac, slots, checkMac, timeoutMs));
}

NicTransaction* StartNicWrite(const char* ip, const char* mac, const TransactionBlock* request,
                              const CommandSlotList* slots, std::uint32_t timeoutMs,
                              bool useArpPath) {
  if (ip == nullptr || mac == nullptr) return nullptr;
  return StartExchange(
      new (std::nothrow) NicTransaction(ip, mac, request, slots, timeoutMs, useArpPath));
}

namespace {
const NicTransaction* AsTransaction(const Exchange* exchange) {
  return exchange != nullptr && exchange->kind() == ExchangeKind::Transaction
             ? static_cast<const NicTransaction*>(exchange)
             : nullptr;
}
}  // namespace

ExchangeStatus GetEndCode(const Exchange* transaction) {
  const NicTransaction* t = AsTransaction(transaction);
  return t != nullptr ? t->status() : ExchangeStatus{};
}

const TransactionBlock* GetResultBlock(const Exchange* transaction) {
  const NicTransaction* t = AsTransaction(transaction);
  return t != nullptr ? &t->result() : nullptr;
}

CommandSlotList* GetCommandSlots(Exchange* transaction) {
  const NicTransaction* t = AsTransaction(transaction);
  return t != nullptr ? const_cast<NicTransaction*>(t)->slots() : nullptr;
}

bool UsedArpPath(const Exchange* transaction) {
  const NicTransaction* t = AsTransaction(transaction);
  return t != nullptr && t->usedArpPath();
}

bool GetOtherResponder(const Exchange* transaction, char (&mac)[18], char (&name)[64]) {
  const NicTransaction* t = AsTransaction(transaction);
  if (t == nullptr || t->otherMac()[0] == '\0') return false;
  CopyBoundedText(mac, t->otherMac());
  CopyBoundedText(name, t->otherName());
  return true;
}

}  // namespace nic
