// The host look-up is Winsock's, which must come before windows.h.
#include <winsock2.h>

#include "nicconf/sheets/comm_flow.h"

#include <cstring>

#include "common/bounded_text.h"
#include "common/win/window_placement.h"
#include "nicconf/exchange/network.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/sheets/core/flow_rules.h"
#include "nicproto/attribute_frame.h"

namespace nic::sheets {
namespace {

constexpr int kWaitDialog = 126;
constexpr UINT kLookupAnswered = WM_USER + 2;  // 1026
constexpr UINT_PTR kPollTimer = 1000;
constexpr UINT_PTR kLookupTimer = 1010;
constexpr UINT kPollMs = 100;
constexpr UINT kLookupLimitMs = 30000;
constexpr int kHiddenPolls = 6;
constexpr char kLookupCaption[] = "処理中";
constexpr char kExchangeCaption[] = "プリンタと通信中";
constexpr char kStartFailed[] = "プリンタと通信できません。(116)";
constexpr char kTimerFailed[] = "プリンタと通信できません。(117)";

struct ModuleFlows {
  std::string localAddress;
  bool ipxJobLeft = false;  // a cancelled IPX job is collected before the next one
};

ModuleFlows& Flows() {
  static ModuleFlows flows;
  return flows;
}

bool IsNetWare(const FlowJob& job) { return std::strcmp(job.printer.protocol, "NetWare") == 0; }
bool IsWriteUse(FlowUse use) { return use == FlowUse::Write || use == FlowUse::PowerOff; }

// How one attempt ended.
enum class Ending { Running, Done, Cancelled, Failed };

// One attempt: the dialog and what it runs.
struct Attempt {
  const FlowJob& job;
  FlowOutcome& outcome;
  HWND owner = nullptr;
  HWND dialog = nullptr;
  Exchange* exchange = nullptr;
  bool ipxRunning = false;
  HANDLE lookup = nullptr;
  char host[MAXGETHOSTSTRUCT] = {};
  int polls = 0;
  Ending ending = Ending::Running;
  std::string message;  // shown after the dialog is gone
  bool localAddressBlocked = false;  // the message is the TCP/IP one: no retry

  Attempt(const FlowJob& j, FlowOutcome& o, HWND w) : job(j), outcome(o), owner(w) {}
};

void End(Attempt& a, Ending ending, std::string message = {}) {
  if (a.ending != Ending::Running) return;
  a.ending = ending;
  a.message = std::move(message);
  KillTimer(a.dialog, kPollTimer);
  KillTimer(a.dialog, kLookupTimer);
  // The end may come from a sent message, which GetMessage handles without
  // returning: a posted one lets the dialog's loop see it.
  PostMessageA(a.dialog, WM_NULL, 0, 0);
}

void MarkInvalid(Attempt& a) {
  Flows().localAddress = kInvalidLocalAddress;
  a.localAddressBlocked = true;
  if (a.job.use == FlowUse::LocalAddress) return End(a, Ending::Failed);
  End(a, Ending::Failed,
      FlowPrecondition("TCP/IP", {true, true, kInvalidLocalAddress}));
}

std::vector<std::uint8_t> IpxRequestBytes(const TransactionBlock& request, bool extended) {
  return extended ? BuildAttributeRequest(Transport::Ipx, FrameKind::ExtSetRequest,
                                          request.extendedText, 0)
                  : BuildAttributeRequest(Transport::Ipx, FrameKind::SetRequest,
                                          request.attributes, 0);
}

bool StartIpxExchange(Attempt& a) {
  ModuleFlows& flows = Flows();
  if (flows.ipxJobLeft) {
    ipx::WaitIpxSingle();
    flows.ipxJobLeft = false;
  }
  const std::uint32_t timeoutMs = a.job.busyTimeoutSeconds * 1000;
  if (!IsWriteUse(a.job.use)) {
    return ipx::StartIpxRead(timeoutMs, a.job.printer.netnum, a.job.printer.mac);
  }
  if (a.job.request == nullptr) return false;
  auto requests = std::make_unique<ipx::WriteRequest[]>(2);
  std::size_t count = 0;
  for (const bool extended : {false, true}) {
    if ((extended ? a.job.request->extReplied : a.job.request->attrReplied) == 0) continue;
    const auto bytes = IpxRequestBytes(*a.job.request, extended);
    ipx::WriteRequest& r = requests[count++];
    CopyBoundedText(r.network, a.job.printer.netnum);
    CopyBoundedText(r.node, a.job.printer.mac);
    if (bytes.empty() || bytes.size() > sizeof r.datagram) return false;
    std::memcpy(r.datagram, bytes.data(), bytes.size());
    r.length = static_cast<std::uint32_t>(bytes.size());
  }
  return count > 0 && ipx::StartIpxWrite(count, requests.get(), timeoutMs);
}

Exchange* StartTcpExchange(const Attempt& a) {
  const std::uint32_t timeoutMs = a.job.busyTimeoutSeconds * 1000;
  const PrinterRecord& p = a.job.printer;
  if (IsWriteUse(a.job.use)) {
    return StartNicWrite(p.ip, p.mac, a.job.request, a.job.slots, timeoutMs, false);
  }
  const CommandSlotList* slots = a.job.use == FlowUse::ReadRetry ? a.job.slots : nullptr;
  return StartNicRead(p.ip, p.mac, slots, true, timeoutMs);
}

void StartExchange(Attempt& a) {
  if (a.job.use == FlowUse::LocalAddress) return End(a, Ending::Done);
  SetWindowTextA(a.dialog, kExchangeCaption);
  if (IsNetWare(a.job)) {
    a.ipxRunning = StartIpxExchange(a);
    if (!a.ipxRunning) return End(a, Ending::Failed, kStartFailed);
  } else {
    SetLocalAddress(Flows().localAddress.c_str());
    a.exchange = StartTcpExchange(a);
    if (a.exchange == nullptr) return End(a, Ending::Failed, kStartFailed);
  }
  if (SetTimer(a.dialog, kPollTimer, kPollMs, nullptr) == 0) End(a, Ending::Failed, kTimerFailed);
}

void StartLookup(Attempt& a) {
  SetWindowTextA(a.dialog, kLookupCaption);
  char name[256] = {};
  if (gethostname(name, sizeof name) != 0) return MarkInvalid(a);
  a.lookup = WSAAsyncGetHostByName(a.dialog, kLookupAnswered, name, a.host, sizeof a.host);
  if (a.lookup == nullptr) return MarkInvalid(a);
  if (SetTimer(a.dialog, kLookupTimer, kLookupLimitMs, nullptr) == 0) {
    End(a, Ending::Failed, kTimerFailed);
  }
}

void LookupAnswered(Attempt& a, LPARAM answer) {
  KillTimer(a.dialog, kLookupTimer);
  a.lookup = nullptr;
  const hostent* host = reinterpret_cast<const hostent*>(a.host);
  if (WSAGETASYNCERROR(answer) != 0 || host->h_addr_list == nullptr ||
      host->h_addr_list[0] == nullptr) {
    return MarkInvalid(a);
  }
  in_addr first;
  std::memcpy(&first, host->h_addr_list[0], sizeof first);
  const std::string address = inet_ntoa(first);
  if (address == "0.0.0.0") return MarkInvalid(a);
  Flows().localAddress = address;
  StartExchange(a);
}

void TakeTcpResult(Attempt& a) {
  FlowOutcome& o = a.outcome;
  if (const TransactionBlock* block = GetResultBlock(a.exchange)) o.block = *block;
  if (const CommandSlotList* slots = GetCommandSlots(a.exchange)) {
    o.slots = std::make_unique<CommandSlotList>(*slots);
  }
  o.usedArpPath = UsedArpPath(a.exchange);
  char mac[18] = {};
  char name[64] = {};
  o.otherName = GetOtherResponder(a.exchange, mac, name) ? name : "";
}

void FinishTcp(Attempt& a) {
  const ExchangeStatus status = GetEndCode(a.exchange);
  TakeTcpResult(a);
  Release(a.exchange);
  a.exchange = nullptr;
  if (!a.outcome.otherName.empty() && !IsWriteUse(a.job.use)) {
    return End(a, Ending::Failed, OtherPrinterMessage(a.outcome.otherName.c_str()));
  }
  if (status.endCode == kFinished) return End(a, Ending::Done);
  End(a, Ending::Failed, EndCodeMessage(status));
}

void FinishIpx(Attempt& a) {
  a.ipxRunning = false;
  if (ipx::CollectIpxSingle(a.outcome.block)) return End(a, Ending::Done);
  End(a, Ending::Failed, kNoReplyMessage);
}

bool ExchangeFinished(const Attempt& a) {
  return a.ipxRunning ? ipx::IsIpxSingleFinished() : IsFinished(a.exchange);
}

void ShowOverOwner(Attempt& a) {
  CenterOver(a.dialog, a.owner);
  ShowWindow(a.dialog, SW_SHOW);
  SetForegroundWindow(a.dialog);
}

void Abandon(Attempt& a) {
  if (a.exchange != nullptr) {
    Cancel(a.exchange);
    Release(a.exchange);
    a.exchange = nullptr;
  }
  if (a.ipxRunning) {
    a.ipxRunning = false;
    Flows().ipxJobLeft = true;
  }
}

void Poll(Attempt& a) {
  ++a.polls;
  if (ExchangeFinished(a)) {
    KillTimer(a.dialog, kPollTimer);
    return a.ipxRunning ? FinishIpx(a) : FinishTcp(a);
  }
  const bool scanOver = a.job.candidateScan &&
                        a.polls * kPollMs >= a.job.busyTimeoutSeconds * 1000;
  if (scanOver) {
    Abandon(a);
    return End(a, Ending::Failed);
  }
  if (a.polls == kHiddenPolls && !IsWindowVisible(a.dialog)) ShowOverOwner(a);
}

void CancelByUser(Attempt& a) {
  if (IsWriteUse(a.job.use)) return;
  if (a.lookup != nullptr) {
    WSACancelAsyncRequest(a.lookup);
    a.lookup = nullptr;
  }
  Abandon(a);
  End(a, Ending::Cancelled);
}

void Open(Attempt& a) {
  ShowWindow(a.dialog, SW_HIDE);
  if (IsWriteUse(a.job.use)) {
    EnableWindow(GetDlgItem(a.dialog, IDCANCEL), FALSE);
    EnableMenuItem(GetSystemMenu(a.dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  }
  if (!IsNetWare(a.job) && Flows().localAddress.empty()) return StartLookup(a);
  StartExchange(a);
}

INT_PTR CALLBACK WaitProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Attempt* a = reinterpret_cast<Attempt*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      reinterpret_cast<Attempt*>(lParam)->dialog = dialog;
      return TRUE;
    case WM_TIMER:
      if (a == nullptr) return FALSE;
      if (wParam == kPollTimer) Poll(*a);
      if (wParam == kLookupTimer) {
        WSACancelAsyncRequest(a->lookup);
        a->lookup = nullptr;
        MarkInvalid(*a);
      }
      return TRUE;
    case kLookupAnswered:
      if (a != nullptr && a->lookup != nullptr) LookupAnswered(*a, lParam);
      return TRUE;
    case WM_COMMAND:
      if (a != nullptr && LOWORD(wParam) == IDCANCEL) CancelByUser(*a);
      return TRUE;
    case WM_CLOSE:
      if (a != nullptr) CancelByUser(*a);
      return TRUE;
  }
  return FALSE;
}

// The dialog's own modal loop: it may stay hidden, and the owner's thread
// goes on serving every window while the exchange runs.
void RunAttempt(Attempt& a) {
  if (CreateDialogParamA(FolderInstance(), MAKEINTRESOURCEA(kWaitDialog), a.owner, WaitProc,
                         reinterpret_cast<LPARAM>(&a)) == nullptr) {
    a.ending = Ending::Failed;
    a.message = kStartFailed;
    return;
  }
  const bool ownerWasEnabled = a.owner != nullptr && !EnableWindow(a.owner, FALSE);
  HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  Open(a);
  MSG message;
  while (a.ending == Ending::Running) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      CancelByUser(a);
      break;
    }
    if (!IsDialogMessageA(a.dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  SetCursor(previous);
  if (ownerWasEnabled) EnableWindow(a.owner, TRUE);
  DestroyWindow(a.dialog);
  if (a.owner != nullptr) SetActiveWindow(a.owner);
}

bool Retries(FlowUse use) { return use == FlowUse::ReadRetry || use == FlowUse::Write; }

}  // namespace

const std::string& FlowLocalAddress() { return Flows().localAddress; }

bool LearnLocalAddress(HWND owner) {
  if (Flows().localAddress.empty()) {
    FlowJob job;
    job.use = FlowUse::LocalAddress;
    CopyBoundedText(job.printer.protocol, "TCP/IP");
    FlowOutcome outcome;
    RunFlow(owner, job, outcome);
  }
  const std::string& address = Flows().localAddress;
  if (address.empty() || address == kInvalidLocalAddress) return false;
  // The exchanges the caller starts itself take their route through it.
  SetLocalAddress(address.c_str());
  return true;
}

bool RunFlow(HWND owner, const FlowJob& job, FlowOutcome& outcome) {
  const FolderModule& module = FolderState();
  const std::string refused = FlowPrecondition(
      job.printer.protocol, {module.tcpUsable, module.ipxUsable, Flows().localAddress.c_str()});
  if (!refused.empty()) {
    ShowFolderText(owner, MessageLevel::Error, refused);
    return false;
  }
  for (;;) {
    outcome = FlowOutcome{};
    Attempt attempt(job, outcome, owner);
    RunAttempt(attempt);
    if (attempt.ending == Ending::Done) return outcome.done = true;
    if (attempt.ending == Ending::Cancelled) {
      outcome.cancelled = true;
      return false;
    }
    std::string text = job.use == FlowUse::Write ? kWriteFailedMessage : attempt.message;
    // A scan asks many printers; one that does not answer is what it learns.
    if (text.empty() || job.candidateScan) return false;
    const bool retry = Retries(job.use) && outcome.otherName.empty() && !attempt.localAddressBlocked;
    if (!retry) {
      ShowFolderText(owner, MessageLevel::Error, text);
      return false;
    }
    if (ShowFolderText(owner, MessageLevel::Error, text, MB_RETRYCANCEL) != IDRETRY) return false;
  }
}

}  // namespace nic::sheets
