#pragma once
// What the communication flow decides before and after an exchange with a
// printer: whether it may start at all, and the message an exchange's end
// calls for. Texts are Shift_JIS with their numbers filled in.

#include <string>

#include "nicconf/exchange/end_code.h"

namespace nic {

struct FlowTransports {
  bool tcpUsable;
  bool ipxUsable;
  const char* localAddress;  // "" while unknown, "Invalid" after a failed lookup
};

// The message that keeps a flow from starting for a printer of this
// protocol ("TCP/IP" or "NetWare"), or "" when it may start.
std::string FlowPrecondition(const char* protocol, const FlowTransports& transports);

inline constexpr char kInvalidLocalAddress[] = "Invalid";

// The message an exchange's end calls for; "" for a finished or cancelled one.
std::string EndCodeMessage(const ExchangeStatus& status);
// An IPX exchange that got no reply.
inline constexpr char kNoReplyMessage[] = "プリンタから応答が有りません。";
// When another NIC answered at the printer's address.
std::string OtherPrinterMessage(const char* otherName);
inline constexpr char kWriteFailedMessage[] = "プリンタの設定が変更できませんでした。";
inline constexpr char kBusyMessage[] = "プリンタがビジーなため設定が変更されないことがあります。";

}  // namespace nic
