#include "common/win/testing/property_sheet_driver.h"

#include <commctrl.h>
#include <prsht.h>

namespace testkit {
namespace {

// The control ids of a sheet's buttons.
constexpr int kBackId = 0x3023;
constexpr int kNextId = 0x3024;
constexpr int kFinishId = 0x3025;
constexpr int kApplyId = 0x3021;

int ButtonId(SheetButton button) {
  switch (button) {
    case SheetButton::Back: return kBackId;
    case SheetButton::Next: return kNextId;
    case SheetButton::Finish: return kFinishId;
    case SheetButton::Ok: return IDOK;
    case SheetButton::Apply: return kApplyId;
    case SheetButton::Cancel: break;
  }
  return IDCANCEL;
}

int PressCode(SheetButton button) {
  switch (button) {
    case SheetButton::Back: return PSBTN_BACK;
    case SheetButton::Next: return PSBTN_NEXT;
    case SheetButton::Finish: return PSBTN_FINISH;
    case SheetButton::Ok: return PSBTN_OK;
    case SheetButton::Apply: return PSBTN_APPLYNOW;
    case SheetButton::Cancel: break;
  }
  return PSBTN_CANCEL;
}

}  // namespace

HWND CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(SendWithin(sheet, PSM_GETCURRENTPAGEHWND));
}

int CurrentPageIndex(HWND sheet) {
  return static_cast<int>(
      SendWithin(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(CurrentPage(sheet))));
}

std::vector<std::wstring> PageTitles(HWND sheet) {
  std::vector<std::wstring> titles;
  HWND tabs = reinterpret_cast<HWND>(SendWithin(sheet, PSM_GETTABCONTROL));
  if (tabs == nullptr) return titles;
  const int count = static_cast<int>(SendWithin(tabs, TCM_GETITEMCOUNT));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    SendWithin(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    titles.emplace_back(text);
  }
  return titles;
}

bool SheetButtonEnabled(HWND sheet, SheetButton button) {
  HWND control = GetDlgItem(sheet, ButtonId(button));
  return control != nullptr && IsWindowVisible(control) && IsWindowEnabled(control);
}

std::wstring SheetButtonText(HWND sheet, SheetButton button) {
  HWND control = GetDlgItem(sheet, ButtonId(button));
  return control != nullptr ? WindowText(control) : std::wstring();
}

HWND PageItem(HWND sheet, int id) { return GetDlgItem(CurrentPage(sheet), id); }

// Posted ahead of a settling message, as a click is, so a message box the
// page brings up is answered instead of blocking the test.
Messages PressSheetButton(DialogSession& session, HWND sheet, SheetButton button,
                          const Answers& answers) {
  SendNotifyMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(PressCode(button)), 0);
  return session.MessagesOver(sheet, answers);
}

Messages SelectPage(DialogSession& session, HWND sheet, int index, const Answers& answers) {
  SendNotifyMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return session.MessagesOver(sheet, answers);
}

}  // namespace testkit
