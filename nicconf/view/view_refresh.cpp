#include "nicconf/view/view_refresh.h"

#include <windows.h>
#include <commctrl.h>

#include <new>
#include <string>
#include <vector>

#include "nicconf/exchange/status_poll.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/view/core/refresh_timing.h"
#include "nicconf/view/core/status_apply.h"
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

std::uint32_t PollTimeoutMs() { return static_cast<std::uint32_t>(FolderState().settings.busyTimeout) * 1000; }

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

// What this cycle says of one printer; false when it says nothing (a
// TCP/IP printer the poll has no entry for keeps its item as it is).
bool CycleStatus(PrinterRecord& r, ItemStatus& shown) {
  const FolderModule& module = FolderState();
  if (Is(r, kTcpIp)) {
    if (!module.tcpUsable) {
      shown = ApplyCannotSend(r);
      return true;
    }
    PrinterPictureInfo info{};
    char nicStatus[6] = {};
    if (View().tcpPoll == nullptr || !GetPolledPrinter(View().tcpPoll, r.ip, r.mac, info, nicStatus)) return false;
    shown = ApplyPolledStatus(r, info, nicStatus, false);
    return true;
  }
  if (Is(r, kNetWare)) {
    if (!module.ipxUsable) {
      shown = ApplyCannotSend(r);
      return true;
    }
    ipx::Result result{};
    ipx::FindIpxResult(r.netnum, r.mac, result);
    shown = ApplyPolledStatus(r, result.info, result.nicStatus, true);
    return true;
  }
  return false;
}

void ApplyResults() {
  const int count = ListView_GetItemCount(View().list);
  for (int i = 0; i < count; ++i) {
    PrinterRecord record{};
    ItemStatus shown;
    if (ItemRecord(i, record) && CycleStatus(record, shown)) ReplaceItem(i, record, &shown);
  }
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
