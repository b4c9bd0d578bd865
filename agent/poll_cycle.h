#pragma once
// One poll of the maintenance agent: the local printers of the maker whose
// model takes part in alarm mail, each handed to its model's plug-in. Both
// agents share it; where they differ, the agent kind says how.

#include <windows.h>

#include <memory>

#include "common/dav_records.h"
#include "common/win/library.h"
#include "common/win/tcp_ip_installed.h"

namespace agent {

enum class AgentKind {
  Service,     // maintsvc: resources kept for the whole work
  Background,  // maintagent: resources taken for each poll
};

// The agent context, its status block and the status manager with its three
// entries. The service prepares them once, the background agent per poll.
class PollResources {
 public:
  // False when memory or the status manager (or one of its entries) is
  // missing; what is logged depends on the agent kind.
  bool Prepare(AgentKind kind);
  DavAgentContext* context() { return context_.get(); }

 private:
  std::unique_ptr<DavAgentContext> context_;
  std::unique_ptr<DavPrinterStatus> status_;
  Library statusManager_;
};

enum class PollOutcome {
  Done,
  PrintersNotListed,  // logged; ends the service's work
};

PollOutcome RunPoll(PollResources& resources);

// The service's test mail through alertmail: false when the library or its
// entry is missing (the caller ends its work); the reason goes to the
// debugger as "Error 1\n" or "Error 2\n".
bool SendTestMail();

// "RMMTIME" (service) or "DAVTime" (background agent) below the mail key, in
// milliseconds; 0 when missing or unreadable: no further poll.
DWORD ReadPollInterval(AgentKind kind);

// An entry of the mail log in the agents' form.
bool LogAgentError(const char* message);

inline constexpr char kTcpIpMissingMessage[] =
    "TCP/IPプロトコルがインストールされていません。\r\nこの環境ではメール通知はご使用になれません。\r\n";
inline constexpr char kNoMemoryMessage[] = "メール通知に必要なメモリが確保できませんでした\r\n";
inline constexpr char kPrintersNotListedMessage[] = "ローカル接続プリンタを列挙できませんでした。\r\n";

}  // namespace agent
