#include "nicconf/sheets/core/flow_rules.h"

#include <cstdio>
#include <cstring>

namespace nic {
namespace {

constexpr char kTcpMessage[] = "TCP/IP プリンタと通信できません。\nTCP/IP プロトコルの設定を確認してください。";
constexpr char kIpxMessage[] = "NetWare プリンタと通信できません。\nNetWare プロトコルの設定を確認してください。";

std::string WithNumber(const char* format, int number) {
  char text[128];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

}  // namespace

std::string FlowPrecondition(const char* protocol, const FlowTransports& transports) {
  if (std::strcmp(protocol, "NetWare") == 0) return transports.ipxUsable ? "" : kIpxMessage;
  if (std::strcmp(protocol, "TCP/IP") != 0) return "プリンタと通信できません。(129)";
  const bool invalid = std::strcmp(transports.localAddress, kInvalidLocalAddress) == 0;
  return transports.tcpUsable && !invalid ? "" : kTcpMessage;
}

std::string EndCodeMessage(const ExchangeStatus& status) {
  switch (status.endCode) {
    case kFinished:
    case kCancelled: return "";
    case kSocketFailed:
    case kSendExhausted:
    case kReceiveFailed:
    case kSendFailed: return WithNumber("プリンタと通信できません。(135-%d)", status.socketError);
    case 6:
    case kCommandNotStarted:
    case kCommandFailed: return "プリンタと通信できません。(136)";
    case kTimedOut: return kNoReplyMessage;
    case kNotAdministrator: return "プリンタと通信できません。 Windows NT の管理者権限が必要です。";
  }
  return WithNumber("プリンタと通信できません。(137-%d)", status.socketError);
}

std::string OtherPrinterMessage(const char* otherName) {
  char text[512];
  std::snprintf(text, sizeof text,
                "他のプリンタから応答がありました。\nこの IP アドレスは他のプリンタ（%s）に割り当てられています。",
                otherName);
  return text;
}

}  // namespace nic
