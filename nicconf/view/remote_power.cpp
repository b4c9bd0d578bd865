#include "nicconf/view/remote_power.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/win/entry_guard.h"
#include "common/win/list_view.h"
#include "common/win/window_placement.h"
#include "nicconf/exchange/wake_up.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/sheets/comm_flow.h"
#include "nicconf/sheets/page_design.h"
#include "nicconf/sheets/setting_sheet.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_refresh.h"
#include "nicconf/view/view_resource_ids.h"
#include "nicconf/view/view_state.h"

namespace nic::view {
namespace {

constexpr DWORD kWakeUpGapMs = 100;

// What the dialog works on: the qualifying printers in the order shown, and
// on OK the chosen ones.
struct PowerChoice {
  PowerDirection direction;
  std::vector<PrinterRecord> rows;
  ListSort sort;
  std::vector<PrinterRecord> chosen;
};

// One candidate's status, read once; a scan shows no failures.
bool Answers(const PrinterRecord& candidate, bool& offersPower) {
  sheets::FlowJob job;
  job.use = sheets::FlowUse::ReadOnce;
  job.printer = candidate;
  job.candidateScan = true;
  job.busyTimeoutSeconds = BusyTimeoutSeconds();
  sheets::FlowOutcome outcome;
  const bool read = sheets::RunFlow(View().parent, job, outcome);
  offersPower = read && sheets::OffersRemotePower(outcome.block);
  return read;
}

// On: those that do not answer; off: those that answer and take the command.
std::vector<PrinterRecord> Qualifying(PowerDirection direction, const std::vector<PrinterRecord>& candidates) {
  std::vector<PrinterRecord> rows;
  for (const PrinterRecord& candidate : candidates) {
    bool offersPower = false;
    const bool answered = Answers(candidate, offersPower);
    if (direction == PowerDirection::On ? !answered : offersPower) rows.push_back(candidate);
  }
  return rows;
}

void FillRows(HWND list, const PowerChoice& choice) {
  ListView_DeleteAllItems(list);
  for (const PrinterRecord& r : choice.rows) AddListRow(list, {r.name, r.ip});
}

void OpenChoice(HWND dialog, PowerChoice& choice) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&choice));
  SetWindowTextA(dialog, PowerDialogTitle(choice.direction).c_str());
  SetDlgItemTextA(dialog, IDC_POWER_LABEL, PowerDialogLabel(choice.direction).c_str());
  HWND list = GetDlgItem(dialog, IDC_POWER_LIST);
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  RECT area{};
  GetClientRect(list, &area);
  AddListColumn(list, 0, "プリンタ名", area.right / 2);
  AddListColumn(list, 1, "IPアドレス", area.right / 2);
  SortPowerRows(choice.rows, choice.sort);
  FillRows(list, choice);
  EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
  CenterOver(dialog, GetWindow(dialog, GW_OWNER));
}

// Each chosen row goes back to its printer by name and address.
void TakeChosen(HWND dialog, PowerChoice& choice) {
  HWND list = GetDlgItem(dialog, IDC_POWER_LIST);
  for (int i = -1; (i = ListView_GetNextItem(list, i, LVNI_SELECTED)) >= 0;) {
    char name[80] = {}, ip[32] = {};
    ListView_GetItemText(list, i, 0, name, sizeof name);
    ListView_GetItemText(list, i, 1, ip, sizeof ip);
    for (const PrinterRecord& r : choice.rows)
      if (std::strcmp(r.name, name) == 0 && std::strcmp(r.ip, ip) == 0) choice.chosen.push_back(r);
  }
}

INT_PTR Notified(HWND dialog, PowerChoice& choice, const NMHDR& header) {
  if (header.idFrom != IDC_POWER_LIST) return FALSE;
  HWND list = header.hwndFrom;
  if (header.code == LVN_ITEMCHANGED) EnableWindow(GetDlgItem(dialog, IDOK), ListView_GetSelectedCount(list) > 0);
  if (header.code == LVN_COLUMNCLICK) {
    const int column = reinterpret_cast<const NMLISTVIEW&>(header).iSubItem;
    choice.sort = ClickColumn(choice.sort, column == 0 ? ListColumn::Name : ListColumn::Ip);
    SortPowerRows(choice.rows, choice.sort);
    FillRows(list, choice);
  }
  return TRUE;
}

INT_PTR CALLBACK ChoiceProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      OpenChoice(dialog, *reinterpret_cast<PowerChoice*>(lParam));
      return TRUE;
    }
    auto* choice = reinterpret_cast<PowerChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (choice == nullptr) return FALSE;
    switch (message) {
      case WM_NOTIFY: return Notified(dialog, *choice, *reinterpret_cast<const NMHDR*>(lParam));
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) TakeChosen(dialog, *choice);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      default: return FALSE;
    }
  });
}

// The gap between two printers' wake-ups, with the view's windows served.
void WaitServing(DWORD ms) {
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < ms; passed = GetTickCount() - start) {
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT) != WAIT_OBJECT_0) continue;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

}  // namespace

void RunRemotePower(PowerDirection direction) {
  HWND owner = View().parent;
  const std::vector<PrinterRecord> listed = ListRecords();
  if (listed.empty()) {
    ShowFolderText(owner, MessageLevel::Error, NoPowerPrinterText(direction));
    return;
  }
  StopRefresh();
  PowerChoice choice{direction, Qualifying(direction, PowerCandidates(listed)), {}, {}};
  StartRefresh(true);
  if (choice.rows.empty()) {
    ShowFolderText(owner, MessageLevel::Error, NoPowerPrinterText(direction));
    return;
  }
  if (DialogBoxParamA(FolderInstance(), MAKEINTRESOURCEA(IDD_POWER), owner, ChoiceProc,
                      reinterpret_cast<LPARAM>(&choice)) != IDOK) {
    return;
  }
  for (std::size_t i = 0; i < choice.chosen.size(); ++i) {
    if (direction == PowerDirection::Off) {
      PowerOffPrinter(owner, choice.chosen[i]);
      continue;
    }
    if (i > 0) WaitServing(kWakeUpGapMs);
    SendWakeUp(choice.chosen[i].mac);
  }
}

void PowerOffPrinter(HWND owner, const PrinterRecord& printer) {
  if (std::strcmp(printer.protocol, "TCP/IP") != 0) return;
  PrinterRecord read = printer;
  sheets::NicRead nic;
  if (!sheets::ReadNicWithRetry(owner, read, BusyTimeoutSeconds(), nic)) return;
  if (!nic.facts.commandNic || !SupportsRemotePower(nic.facts.description)) return;
  using F = SettingField;
  const PowerOffVerdict verdict = CheckPowerOff(sheets::SettingNumber(nic.image, F::PowerOffEnabled),
                                                nic.summary.portStatus,
                                                sheets::SettingNumber(nic.image, F::PowerOffInAlarm));
  if (verdict != PowerOffVerdict::Ask) {
    ShowFolderText(owner, MessageLevel::Error, PowerOffRefusalText(verdict));
    return;
  }
  const std::string question = PowerOffQuestion(printer, sheets::SettingNumber(nic.image, F::PowerOffWait));
  if (ShowFolderText(owner, MessageLevel::Question, question, MB_YESNO) != IDYES) return;
  sheets::PowerOffNic(owner, printer, BusyTimeoutSeconds());
}

}  // namespace nic::view
