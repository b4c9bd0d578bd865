#include "tools/nicctl/end_codes.h"

#include "tools/nicctl/exit_codes.h"

namespace {

const char* Meaning(std::uint32_t code) {
  switch (code) {
    case nic::kFinished: return "finished";
    case nic::kCancelled: return "cancelled";
    case nic::kRequestNotBuilt: return "request could not be built";
    case nic::kSocketFailed: return "socket could not be opened";
    case nic::kSendExhausted: return "nothing could be sent";
    case nic::kTimedOut: return "no answer within the time-out";
    case nic::kReceiveFailed: return "receive error";
    case nic::kSendFailed: return "send error";
    case nic::kCommandNotStarted: return "route or arp could not be started";
    case nic::kCommandFailed: return "route or arp failed";
    case nic::kNotAdministrator: return "administrator rights needed";
    default: return "unknown";
  }
}

}  // namespace

std::string EndCodeText(const nic::ExchangeStatus& status) {
  std::string text =
      "end code " + std::to_string(status.endCode) + " (" + Meaning(status.endCode) + ")";
  if (status.socketError != 0) text += ", socket error " + std::to_string(status.socketError);
  return text;
}

int ExitCodeOf(const nic::ExchangeStatus& status) {
  switch (status.endCode) {
    case nic::kRequestNotBuilt:
    case nic::kSocketFailed:
    case nic::kSendExhausted:
    case nic::kReceiveFailed:
    case nic::kSendFailed: return kExitNetwork;
    default: return kExitNoAnswer;
  }
}
