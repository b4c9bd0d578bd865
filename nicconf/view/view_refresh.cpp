#include "nicconf/view/view_refresh.h"

#include <windows.h>
#include <commctrl.h>

#include <new>
#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "nicconf/exchange/status_poll.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/view/core/refresh_timing.h"
#include "nicconf/view/core/status_apply.h"
#include "nicconf/view/status_dialog.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_state.h"

namespace nic::view {
namespace {

constexpr UINT kPollPeriodMs = 100;
constexpr char kTcpIp[] = "TCP/IP";
constexpr char kNetWare[] = "NetWare";

// "ステータスが更新できません。(111)" for a refresh timer that could not be
// armed, (112) for the poll timer, (113) for a work list that could not be
// had.
void ShowRefreshFailure(int code) {
  ShowFolderText(View().parent, MessageLevel::Error, "ステータスが更新できません。(" + std::to_string(code) + ")");
}

bool Arm(UINT_PTR timer, UINT ms, int failureCode) {
  if (SetTimer(View().parent, timer, ms, nullptr) != 0) return true;
  ShowRefreshFailure(failureCode);
  return false;
}

void ArmRestOfCycle() {
  const int cycle = FolderState().settings.refreshCycle;
  if (cycle != 0) Arm(kRefreshTimer, RestOfCycleMs(cycle, View().pollStart, GetTickCount()), 111);
}

std::uint32_t PollTimeoutMs() { return BusyTimeoutSeconds() * 1000; }

bool Is(const PrinterRecord& record, const char* protocol) { return std::string(record.protocol) == protocol; }

// Starts the polls of this cycle; false when a poll that had printers
// could not be started.
bool StartPolls(const std::vector<PrinterRecord>& records) {
  ViewState& v = View();
  const FolderModule& module = FolderState();
  std::vector<PrinterRecord> tcp;
  std::vector<ipx::Target> netware;
  for (const PrinterRecord& r : records) {
    if (Is(r, kTcpIp)) tcp.push_back(r);
    if (Is(r, kNetWare)) netware.push_back({r.netnum, r.mac});
  }
  if (module.tcpUsable && !tcp.empty()) {
    v.tcpPoll = StartStatusPoll(tcp, PollTimeoutMs());
    if (v.tcpPoll == nullptr) return false;
  }
  if (module.ipxUsable && !netware.empty()) {
    if (!ipx::StartIpxPoll(PollTimeoutMs(), netware.data(), netware.size())) return false;
    v.ipxPolling = true;
  }
  return true;
}

void ReleasePolls(bool cancel) {
  ViewState& v = View();
  if (v.tcpPoll != nullptr) {
    if (cancel) Cancel(v.tcpPoll);
    Release(v.tcpPoll);
    v.tcpPoll = nullptr;
  }
  if (v.ipxPolling && cancel) ipx::CancelIpxPoll();
  v.ipxPolling = false;
}

// What this cycle says of one printer: nothing for a TCP/IP printer the
// poll has no entry for (its item stays as it is); `asked` when the printer
// was polled, with what the poll found.
struct CycleNews {
  bool says = false;
  ItemStatus shown;
  bool asked = false;
  PrinterPictureInfo polled{};
};

CycleNews CycleStatus(PrinterRecord& r) {
  const FolderModule& module = FolderState();
  CycleNews news;
  const bool tcp = Is(r, kTcpIp), netWare = Is(r, kNetWare);
  if (!tcp && !netWare) return news;
  news.says = true;
  if (!(tcp ? module.tcpUsable : module.ipxUsable)) {
    news.shown = ApplyCannotSend(r);
    return news;
  }
  char nicStatus[6] = {};
  if (tcp) {
    news.says = View().tcpPoll != nullptr && GetPolledPrinter(View().tcpPoll, r.ip, r.mac, news.polled, nicStatus);
    if (!news.says) return news;
  } else {
    ipx::Result result{};
    ipx::FindIpxResult(r.netnum, r.mac, result);
    news.polled = result.info;
    CopyBoundedText(nicStatus, result.nicStatus);
  }
  news.asked = true;
  news.shown = ApplyPolledStatus(r, news.polled, nicStatus, netWare);
  return news;
}

void ApplyResults() {
  // One repaint for the whole list, not one for each of its cells.
  SendMessageA(View().list, WM_SETREDRAW, FALSE, 0);
  const int count = ListView_GetItemCount(View().list);
  for (int i = 0; i < count; ++i) {
    PrinterRecord record{};
    if (!ItemRecord(i, record)) continue;
    const CycleNews news = CycleStatus(record);
    if (!news.says) continue;
    ReplaceItem(i, record, &news.shown);
    if (news.asked) TellStatusDialog(record.mac, news.polled);
  }
  SendMessageA(View().list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(View().list, nullptr, TRUE);
}

void BeginPoll() {
  ViewState& v = View();
  KillTimer(v.parent, kRefreshTimer);
  v.refresh = RefreshState::Polling;
  v.pollStart = GetTickCount();
  bool started = false;
  try {
    const std::vector<PrinterRecord> records = ListRecords();
    started = !records.empty() && StartPolls(records);
  } catch (const std::bad_alloc&) {
    ShowRefreshFailure(113);
  }
  if (!started) {
    ReleasePolls(true);
    v.refresh = RefreshState::Idle;
    ArmRestOfCycle();
    return;
  }
  if (!Arm(kPollTimer, kPollPeriodMs, 112)) {
    ReleasePolls(true);
    v.refresh = RefreshState::Idle;
  }
}

void LookAtPolls() {
  ViewState& v = View();
  KillTimer(v.parent, kPollTimer);
  const bool tcpDone = v.tcpPoll == nullptr || IsFinished(v.tcpPoll);
  const bool ipxDone = !v.ipxPolling || ipx::IsIpxPollFinished();
  if (!tcpDone || !ipxDone) {
    Arm(kPollTimer, kPollPeriodMs, 112);
    return;
  }
  v.refresh = RefreshState::Idle;
  ApplyResults();
  ReleasePolls(false);
  ArmRestOfCycle();
}

}  // namespace

void StartRefresh(bool atOnce) {
  if (atOnce) {
    Arm(kRefreshTimer, 1, 111);
  } else {
    ArmRestOfCycle();
  }
}

void StopRefresh() {
  ViewState& v = View();
  KillTimer(v.parent, kRefreshTimer);
  KillTimer(v.parent, kPollTimer);
  ReleasePolls(v.refresh == RefreshState::Polling);
  v.refresh = RefreshState::Idle;
}

void RefreshTimer(UINT_PTR timer) {
  if (timer == kRefreshTimer) BeginPoll();
  if (timer == kPollTimer) LookAtPolls();
}

}  // namespace nic::view
