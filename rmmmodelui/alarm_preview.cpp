#include "rmmmodelui/alarm_preview.h"

#include <string>

#include "common/win/entry_guard.h"
#include "common/win/this_module.h"
#include "common/win/window_placement.h"
#include "rmmmodelui/alarm_dialog_ids.h"
#include "rmmmodelui/alarm_settings.h"

namespace rmmui {
namespace {

// The button's size and its distance from the client's bottom right, and
// the text's from the client's top left, as the dialog laid them out.
struct PreviewLayout {
  SIZE button;
  SIZE buttonGap;
  POINT textOrigin;
  SIZE textGap;  // between the text's bottom and the button's top, and at the right
  SIZE minimum;  // the window's own size at first
};

RECT ClientRectOf(HWND dialog, int control) {
  RECT rect{};
  GetWindowRect(GetDlgItem(dialog, control), &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

PreviewLayout Measure(HWND dialog) {
  RECT client{};
  GetClientRect(dialog, &client);
  const RECT button = ClientRectOf(dialog, IDCANCEL);
  const RECT text = ClientRectOf(dialog, IDC_PREVIEW_TEXT);
  RECT window{};
  GetWindowRect(dialog, &window);
  return {{button.right - button.left, button.bottom - button.top},
          {client.right - button.right, client.bottom - button.bottom},
          {text.left, text.top},
          {client.right - text.right, button.top - text.bottom},
          {window.right - window.left, (window.bottom - window.top) / 2}};
}

void Layout(HWND dialog, const PreviewLayout& layout) {
  RECT client{};
  GetClientRect(dialog, &client);
  const int buttonLeft = client.right - layout.buttonGap.cx - layout.button.cx;
  const int buttonTop = client.bottom - layout.buttonGap.cy - layout.button.cy;
  MoveWindow(GetDlgItem(dialog, IDCANCEL), buttonLeft, buttonTop, layout.button.cx, layout.button.cy, TRUE);
  const int textWidth = client.right - layout.textGap.cx - layout.textOrigin.x;
  const int textHeight = buttonTop - layout.textGap.cy - layout.textOrigin.y;
  MoveWindow(GetDlgItem(dialog, IDC_PREVIEW_TEXT), layout.textOrigin.x, layout.textOrigin.y,
             textWidth > 0 ? textWidth : 0, textHeight > 0 ? textHeight : 0, TRUE);
}

struct PreviewWork {
  std::string text;
  PreviewLayout layout{};
};

PreviewWork& WorkOf(HWND dialog) { return *reinterpret_cast<PreviewWork*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

INT_PTR CALLBACK PreviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<INT_PTR>(FALSE, [&]() -> INT_PTR {
    switch (message) {
      case WM_INITDIALOG: {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        PreviewWork& work = WorkOf(dialog);
        work.layout = Measure(dialog);
        SetDlgItemTextA(dialog, IDC_PREVIEW_TEXT, work.text.c_str());
        CenterOver(dialog, GetParent(dialog));
        SetFocus(GetDlgItem(dialog, IDCANCEL));
        return FALSE;
      }
      case WM_SIZE:
        if (GetWindowLongPtrA(dialog, DWLP_USER) != 0) Layout(dialog, WorkOf(dialog).layout);
        return TRUE;
      case WM_GETMINMAXINFO:
        // The smallest size keeps the button whole beside some text.
        if (GetWindowLongPtrA(dialog, DWLP_USER) != 0) {
          auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
          limits->ptMinTrackSize = {WorkOf(dialog).layout.minimum.cx / 2, WorkOf(dialog).layout.minimum.cy};
        }
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) EndDialog(dialog, IDCANCEL);
        return TRUE;
      default: return FALSE;
    }
  });
}

}  // namespace

void ShowAlarmPreview(HWND owner, AlarmPage page, AlarmSheetRecord& record) {
  record.previewSelector = page == AlarmPage::Toner ? 0x10 : 0x100;
  PreviewWork work{PreviewText(page, ReadStoredValues(page, record.printer), record.printer)};
  DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(IDD_PREVIEW), owner, PreviewProc,
                  reinterpret_cast<LPARAM>(&work));
}

}  // namespace rmmui
