#pragma once
// Reading or writing one NIC, addressed by IP and checked by MAC. When the
// NIC cannot be reached at its address, the transaction reaches it by MAC
// instead: a host route and a static ARP entry for the address are added
// through the system's route and arp commands, and removed again afterwards.
// "11.22.33.44" always takes that path: it is the address under which a NIC
// whose own address is unknown is spoken to, for example to give it one.

#include <cstdint>
#include <memory>
#include <span>

#include "nicconf/exchange/exchange.h"
#include "nicproto/attribute_record.h"
#include "nicproto/command_slot.h"
#include "nicproto/extended_text_record.h"
#include "nicproto/status_text.h"
#include "platform/udp_socket.h"

namespace nic {

inline constexpr const char* kUnknownNicAddress = "11.22.33.44";
// Stands for a MAC address not yet known: the first NIC to answer supplies it.
inline constexpr const char* kPlaceholderMac = "0A:5E:91:69:00:00";

// What a transaction read, or (as a request) what a write sends: the first
// flag asks for the attributes to be written, the second for the extended
// text.
struct TransactionBlock {
  std::uint32_t attrReplied = 0;
  std::uint32_t extReplied = 0;
  std::uint32_t statusReceived = 0;
  AttributeRecord attributes;
  ExtendedTextRecord extendedText;
  StatusRecord status{};
};

class NicTransaction : public Exchange {
 public:
  // A read: `slots` (may be null) is copied, every copy unanswered.
  NicTransaction(const char* ip, const char* mac, const CommandSlotList* slots, bool checkMac,
                 std::uint32_t timeoutMs);
  // A write of `request` (may be null) and `slots`; always checks the MAC.
  NicTransaction(const char* ip, const char* mac, const TransactionBlock* request,
                 const CommandSlotList* slots, std::uint32_t timeoutMs, bool useArpPath);

  ExchangeStatus status() const { return status_; }
  const TransactionBlock& result() const { return *result_; }
  CommandSlotList* slots() { return slots_.get(); }
  bool usedArpPath() const { return arpPath_; }
  const char* targetMac() const { return targetMac_; }
  const char* otherMac() const { return otherMac_; }
  const char* otherName() const { return otherName_; }

  // Takes one datagram that arrived from `from` by the acceptance rules
  // (tests and fuzzing call it directly).
  void Match(std::span<const std::uint8_t> datagram, const platform::ReceivedFrom& from);

 private:
  void Run() override;
  ExchangeStatus Open();
  ExchangeStatus ReadOnce();
  ExchangeStatus ReadMore();
  ExchangeStatus WriteOnce();
  ExchangeStatus SendCommands();
  ExchangeStatus ReceiveUntil(bool (NicTransaction::*complete)() const);
  bool AttributesArrived() const;
  bool ExtendedArrived() const;
  bool StatusArrived() const;
  bool SlotsAnswered() const;
  bool WriteComplete() const;
  bool NothingArrived() const;
  bool HasSlots() const;
  bool HasCommandOneSlot() const;
  bool AnySlotAnswered() const;
  bool ExtendedTextSupported() const;

  void MatchAttributeFrame(std::span<const std::uint8_t> datagram, bool fromTarget);
  void MatchCommandReply(std::span<const std::uint8_t> datagram, bool fromTarget);
  bool MacAccepted(const AttributeRecord& reply);
  CommandSlot* SlotFor(std::uint8_t command);

  const bool write_;
  char targetIp_[18] = {};
  char targetMac_[18] = {};
  bool arpPath_ = false;
  bool routeAdded_ = false;
  bool arpAdded_ = false;
  const bool checkMac_;
  bool writeAttributes_ = false;
  bool writeExtText_ = false;
  std::unique_ptr<TransactionBlock> request_;
  std::unique_ptr<TransactionBlock> result_;
  std::unique_ptr<CommandSlotList> slots_;
  char otherMac_[18] = {};
  char otherName_[64] = {};
  ExchangeStatus status_;
};

NicTransaction* StartNicRead(const char* ip, const char* mac, const CommandSlotList* slots,
                             bool checkMac, std::uint32_t timeoutMs);
NicTransaction* StartNicWrite(const char* ip, const char* mac, const TransactionBlock* request,
                              const CommandSlotList* slots, std::uint32_t timeoutMs,
                              bool useArpPath);

ExchangeStatus GetEndCode(const Exchange* transaction);
// None for other exchange kinds.
const TransactionBlock* GetResultBlock(const Exchange* transaction);
CommandSlotList* GetCommandSlots(Exchange* transaction);
bool UsedArpPath(const Exchange* transaction);
// False when no other NIC answered at the address.
bool GetOtherResponder(const Exchange* transaction, char (&mac)[18], char (&name)[64]);

}  // namespace nic
