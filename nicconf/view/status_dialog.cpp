#include "nicconf/view/status_dialog.h"

#include <windows.h>

#include <string>

#include "common/bounded_text.h"
#include "common/win/entry_guard.h"
#include "common/win/window_placement.h"
#include "nicconf/exchange/status_summary.h"
#include "nicconf/exchange/wake_up.h"
#include "nicconf/folder/context_help.h"
#include "nicconf/folder/module.h"
#include "nicconf/picture/shell/printer_picture.h"
#include "nicconf/sheets/comm_flow.h"
#include "nicconf/sheets/setting_sheet.h"
#include "nicconf/view/core/status_dialog_content.h"
#include "nicconf/view/remote_power.h"
#include "nicconf/view/view_resource_ids.h"
#include "nicconf/view/view_state.h"
#include "nicproto/mac_text.h"

namespace nic::view {
namespace {

constexpr char kHeadlineFace[] = "ＭＳ Ｐゴシック";
constexpr COLORREF kHeadlineBackground = RGB(0xC0, 0xC0, 0xC0);

struct StatusView {
  PrinterRecord printer{};
  PrinterPictureInfo status{};
  bool addressHint = false;  // the read needed the route/ARP path
  bool remotePower = false;
  HFONT headlineFont = nullptr;
  std::string headline;
};

constexpr HelpTopic kHelp[] = {
    {IDC_STATUS_PICTURE, IDC_STATUS_PICTURE}, {IDC_STATUS_HEADLINE, IDC_STATUS_HEADLINE},
    {IDC_STATUS_DETAIL, IDC_STATUS_DETAIL},   {IDC_STATUS_MODEL, IDC_STATUS_MODEL},
    {IDC_STATUS_ON, IDC_STATUS_ON},           {IDC_STATUS_OFF, IDC_STATUS_OFF},
};

// The dialog open now, for the refresh's news; one at a time, as it is modal.
HWND openDialog = nullptr;
StatusView* openView = nullptr;

// What the read tells the dialog; false when the user cancelled it.
bool ReadPrinter(HWND owner, StatusView& view) {
  sheets::FlowJob job;
  job.use = sheets::FlowUse::ReadOnce;
  job.printer = view.printer;
  job.busyTimeoutSeconds = BusyTimeoutSeconds();
  sheets::FlowOutcome outcome;
  view.status.family = -1;
  if (!sheets::RunFlow(owner, job, outcome)) {
    view.remotePower = RemotePowerByMac(view.printer.mac);
    return !outcome.cancelled;
  }
  const TransactionBlock& block = outcome.block;
  const PrinterPictureInfo summary = SummaryOfRead(block);
  RefreshRecordFromRead(view.printer, block, summary);
  // A printer reached only through the route/ARP path counts as silent.
  view.addressHint = outcome.usedArpPath;
  if (!view.addressHint) view.status = summary;
  view.remotePower = sheets::OffersRemotePower(block);
  return true;
}

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// The headline's own face at weight 1000 when the system has it; else the
// dialog's face, bold, so the headline still stands out.
HFONT HeadlineFont(HWND dialog) {
  LOGFONTA wanted{};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  CopyBoundedText(wanted.lfFaceName, kHeadlineFace);
  bool found = false;
  HDC screen = GetDC(dialog);
  EnumFontFamiliesExA(screen, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(dialog, screen);
  wanted.lfWeight = 1000;
  if (!found) {
    const auto own = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (own == nullptr || GetObjectA(own, sizeof wanted, &wanted) == 0) return nullptr;
    wanted.lfWeight = FW_BOLD;
  }
  wanted.lfHeight = -16;
  return CreateFontIndirectA(&wanted);
}

void Place(HWND dialog, int id, int x, int y, int width, int height) {
  MoveWindow(GetDlgItem(dialog, id), x, y, width, height, FALSE);
}

// Client pixels: 480 x 290 with the power group, 480 x 250 without; the
// window centred over the list and kept on the screen.
void Layout(HWND dialog, HWND list, bool remotePower) {
  RECT frame{0, 0, 480, remotePower ? 290 : 250};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterOver(dialog, list);

  Place(dialog, IDC_STATUS_PICTURE, 10, 10, 200, 200);
  Place(dialog, IDC_STATUS_STATE_GROUP, 220, 6, 250, 142);
  Place(dialog, IDC_STATUS_HEADLINE, 230, 26, 230, 34);
  Place(dialog, IDC_STATUS_DETAIL, 230, 68, 230, 74);
  Place(dialog, IDC_STATUS_MODEL_GROUP, 220, 154, 250, 56);
  Place(dialog, IDC_STATUS_MODEL, 230, 178, 230, 22);
  const int powerTop = remotePower ? 220 : 300;  // below the client when there is no power group
  Place(dialog, IDC_STATUS_POWER_GROUP, 10, powerTop, 300, 60);
  Place(dialog, IDC_STATUS_ON, 30, powerTop + 22, 110, 28);
  Place(dialog, IDC_STATUS_OFF, 170, powerTop + 22, 110, 28);
  Place(dialog, IDOK, 380, remotePower ? 252 : 214, 90, 28);
}

void ShowPicture(HWND dialog, const PrinterPictureInfo& status) {
  HBITMAP picture = CreatePrinterPicture(FolderInstance(), status, 0);
  const auto previous = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(
      dialog, IDC_STATUS_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
  if (previous != nullptr && previous != picture) DeleteObject(previous);
}

void ShowContent(HWND dialog, StatusView& view) {
  const StatusDialogContent content =
      StatusDialogShows(view.status, view.addressHint, view.remotePower);
  view.headline = content.headline;
  // The headline is drawn by the dialog; its text is kept for readers too.
  SetDlgItemTextA(dialog, IDC_STATUS_HEADLINE, content.headline.c_str());
  SetDlgItemTextA(dialog, IDC_STATUS_DETAIL, content.detail.c_str());
  SetDlgItemTextA(dialog, IDC_STATUS_MODEL, view.printer.model);
  EnableWindow(GetDlgItem(dialog, IDC_STATUS_ON), content.onEnabled);
  EnableWindow(GetDlgItem(dialog, IDC_STATUS_OFF), content.offEnabled);
  ShowPicture(dialog, view.status);
  InvalidateRect(dialog, nullptr, TRUE);
}

void Opened(HWND dialog, StatusView& view) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&view));
  openDialog = dialog;
  openView = &view;
  const std::string title = std::string(view.printer.name) + "のステータス";
  SetWindowTextA(dialog, title.c_str());
  view.headlineFont = HeadlineFont(dialog);
  Layout(dialog, View().list, view.remotePower);
  ShowContent(dialog, view);
}

void Closed(HWND dialog, StatusView& view) {
  const auto picture = reinterpret_cast<HBITMAP>(
      SendDlgItemMessageA(dialog, IDC_STATUS_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (picture != nullptr) DeleteObject(picture);
  if (view.headlineFont != nullptr) DeleteObject(view.headlineFont);
  view.headlineFont = nullptr;
  openDialog = nullptr;
  openView = nullptr;
}

void DrawHeadline(const DRAWITEMSTRUCT& item, const StatusView& view) {
  HBRUSH grey = CreateSolidBrush(kHeadlineBackground);
  FillRect(item.hDC, &item.rcItem, grey);
  DeleteObject(grey);
  const HGDIOBJ previous = view.headlineFont != nullptr ? SelectObject(item.hDC, view.headlineFont) : nullptr;
  SetBkMode(item.hDC, TRANSPARENT);
  RECT area = item.rcItem;
  DrawTextA(item.hDC, view.headline.c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (previous != nullptr) SelectObject(item.hDC, previous);
}

INT_PTR CALLBACK StatusProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      Opened(dialog, *reinterpret_cast<StatusView*>(lParam));
      return TRUE;
    }
    auto* view = reinterpret_cast<StatusView*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (view == nullptr) return FALSE;
    switch (message) {
      case WM_DRAWITEM:
        if (wParam != IDC_STATUS_HEADLINE) return FALSE;
        DrawHeadline(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam), *view);
        return TRUE;
      case WM_HELP: return ShowContextHelp(*reinterpret_cast<const HELPINFO*>(lParam), kHelp);
      case kNewStatusMessage: {
        const auto& status = *reinterpret_cast<const PrinterPictureInfo*>(lParam);
        view->status = status;
        if (status.model[0] != '\0') CopyBoundedText(view->printer.model, status.model);
        ShowContent(dialog, *view);
        return TRUE;
      }
      case WM_COMMAND:
        switch (LOWORD(wParam)) {
          case IDC_STATUS_ON: SendWakeUp(view->printer.mac); return TRUE;
          case IDC_STATUS_OFF: PowerOffPrinter(dialog, view->printer); return TRUE;
          case IDOK:
          case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
          default: return FALSE;
        }
      case WM_DESTROY: Closed(dialog, *view); return FALSE;
      default: return FALSE;
    }
  });
}

}  // namespace

void OpenStatusDialog(HWND owner, const PrinterRecord& record) {
  StatusView view;
  view.printer = record;
  if (!ReadPrinter(owner, view)) return;
  DialogBoxParamA(FolderInstance(), MAKEINTRESOURCEA(IDD_STATUS), owner, StatusProc,
                  reinterpret_cast<LPARAM>(&view));
}

void TellStatusDialog(const char* mac, const PrinterPictureInfo& status) {
  if (openDialog == nullptr || openView == nullptr || mac == nullptr) return;
  if (CompareMacText(openView->printer.mac, mac) != 0) return;
  SendMessageA(openDialog, kNewStatusMessage, 0, reinterpret_cast<LPARAM>(&status));
}

}  // namespace nic::view
