#include "nicconf/view/options_sheet.h"

#include <commctrl.h>

#include <iterator>

#include "common/win/entry_guard.h"
#include "nicconf/folder/context_help.h"
#include "nicconf/folder/module.h"
#include "nicconf/view/core/view_options.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_refresh.h"
#include "nicconf/view/view_resource_ids.h"
#include "nicconf/view/view_state.h"
#include "common/win/window_placement.h"

namespace nic::view {
namespace {

constexpr char kCaption[] = "NRVプリントサーバのオプション";

// The values the pages edit; the settings change only on OK.
struct OptionsWork {
  ViewSettings working;
  bool accepted = false;
};

struct ColumnBox {
  int control;
  bool ViewSettings::*flag;
};
constexpr ColumnBox kColumnBoxes[] = {
    {IDC_OPTIONS_MODEL, &ViewSettings::showModel},     {IDC_OPTIONS_MAC, &ViewSettings::showMac},
    {IDC_OPTIONS_IP, &ViewSettings::showIp},           {IDC_OPTIONS_NETWORK, &ViewSettings::showNetnum},
    {IDC_OPTIONS_VERSION, &ViewSettings::showVersion},
};

constexpr HelpTopic kTimerHelp[] = {{IDC_OPTIONS_CYCLE, IDC_OPTIONS_CYCLE}, {IDC_OPTIONS_WAIT, IDC_OPTIONS_WAIT}};
constexpr HelpTopic kDisplayHelp[] = {
    {IDC_OPTIONS_MODEL, IDC_OPTIONS_MODEL},     {IDC_OPTIONS_MAC, IDC_OPTIONS_MAC},
    {IDC_OPTIONS_IP, IDC_OPTIONS_IP},           {IDC_OPTIONS_NETWORK, IDC_OPTIONS_NETWORK},
    {IDC_OPTIONS_VERSION, IDC_OPTIONS_VERSION},
};

OptionsWork& WorkOf(HWND page) { return *reinterpret_cast<OptionsWork*>(GetWindowLongPtrA(page, DWLP_USER)); }

// The sheet is marked changed while the working values differ from the
// settings, and unchanged once they are equal again.
void Compare(HWND page) {
  if (SameOptions(WorkOf(page).working, FolderState().settings)) {
    PropSheet_UnChanged(GetParent(page), page);
  } else {
    PropSheet_Changed(GetParent(page), page);
  }
}

void SetUpSlider(HWND page, int id, int last, int position) {
  SendDlgItemMessageA(page, id, TBM_SETRANGE, TRUE, MAKELONG(1, last));
  SendDlgItemMessageA(page, id, TBM_SETTICFREQ, 1, 0);
  SendDlgItemMessageA(page, id, TBM_SETPOS, TRUE, position);
}

void ShowTimerLabels(HWND page, const ViewSettings& working) {
  SetDlgItemTextA(page, IDC_OPTIONS_CYCLE_LABEL, CycleLabel(working.refreshCycle).c_str());
  SetDlgItemTextA(page, IDC_OPTIONS_WAIT_LABEL, SecondsLabel(working.busyTimeout).c_str());
}

bool Started(HWND page, LPARAM lParam) {
  auto* work = reinterpret_cast<OptionsWork*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
  SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(work));
  return work != nullptr;
}

// Both pages: OK is told once per page; Cancel needs nothing, the settings
// were never touched.
bool Notified(HWND page, LPARAM lParam) {
  if (reinterpret_cast<NMHDR*>(lParam)->code != PSN_APPLY) return false;
  WorkOf(page).accepted = true;
  SetWindowLongPtrA(page, DWLP_MSGRESULT, PSNRET_NOERROR);
  return true;
}

INT_PTR CALLBACK TimerPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    switch (message) {
      case WM_INITDIALOG: {
        if (!Started(page, lParam)) return FALSE;
        const ViewSettings& working = WorkOf(page).working;
        SetUpSlider(page, IDC_OPTIONS_CYCLE, kCycleSliderLast, CycleSliderPosition(working.refreshCycle));
        SetUpSlider(page, IDC_OPTIONS_WAIT, 5, working.busyTimeout);
        ShowTimerLabels(page, working);
        return TRUE;
      }
      case WM_HSCROLL: {
        ViewSettings& working = WorkOf(page).working;
        const auto slider = reinterpret_cast<HWND>(lParam);
        const int position = static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0));
        if (GetDlgCtrlID(slider) == IDC_OPTIONS_CYCLE) working.refreshCycle = CycleOfSliderPosition(position);
        if (GetDlgCtrlID(slider) == IDC_OPTIONS_WAIT) working.busyTimeout = position;
        ShowTimerLabels(page, working);
        Compare(page);
        return TRUE;
      }
      case WM_HELP: return ShowContextHelp(*reinterpret_cast<const HELPINFO*>(lParam), kTimerHelp);
      case WM_NOTIFY: return Notified(page, lParam);
      default: return FALSE;
    }
  });
}

INT_PTR CALLBACK DisplayPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    switch (message) {
      case WM_INITDIALOG:
        if (!Started(page, lParam)) return FALSE;
        for (const ColumnBox& box : kColumnBoxes)
          CheckDlgButton(page, box.control, WorkOf(page).working.*box.flag ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
      case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        for (const ColumnBox& box : kColumnBoxes) {
          if (LOWORD(wParam) == box.control)
            WorkOf(page).working.*box.flag = IsDlgButtonChecked(page, box.control) == BST_CHECKED;
        }
        Compare(page);
        return TRUE;
      case WM_HELP: return ShowContextHelp(*reinterpret_cast<const HELPINFO*>(lParam), kDisplayHelp);
      case WM_NOTIFY: return Notified(page, lParam);
      default: return FALSE;
    }
  });
}

// A changed column set rebuilds the columns and polls at once; a changed
// cycle alone re-arms the refresh for the rest of the new cycle (a poll
// under way arms it itself when it ends).
void Apply(const ViewSettings& chosen) {
  ViewSettings& settings = FolderState().settings;
  const bool columns = ColumnsDiffer(settings, chosen);
  const bool cycle = settings.refreshCycle != chosen.refreshCycle;
  settings = chosen;
  if (columns) {
    RebuildColumns();
    SpreadColumns();
    StopRefresh();
    StartRefresh(true);
  } else if (cycle && View().refresh == RefreshState::Idle) {
    KillTimer(View().parent, kRefreshTimer);
    StartRefresh(false);
  }
}

int CALLBACK SheetCreated(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED) CenterOver(sheet, View().list);
  return 0;
}

PROPSHEETPAGEA Page(int dialog, DLGPROC procedure, OptionsWork& work) {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.hInstance = FolderInstance();
  page.pszTemplate = MAKEINTRESOURCEA(dialog);
  page.pfnDlgProc = procedure;
  page.lParam = reinterpret_cast<LPARAM>(&work);
  return page;
}

}  // namespace

void OpenOptionsSheet(HWND owner) {
  OptionsWork work;
  work.working = FolderState().settings;
  PROPSHEETPAGEA pages[] = {Page(IDD_OPTIONS_TIMER, TimerPageProc, work),
                            Page(IDD_OPTIONS_DISPLAY, DisplayPageProc, work)};
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_USECALLBACK;
  header.pfnCallback = SheetCreated;
  header.hwndParent = owner;
  header.hInstance = FolderInstance();
  header.pszCaption = kCaption;
  header.nPages = static_cast<UINT>(std::size(pages));
  header.ppsp = pages;
  PropertySheetA(&header);
  if (work.accepted) Apply(work.working);
}

}  // namespace nic::view
