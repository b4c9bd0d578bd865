#include "common/win/sheet_apply_watch.h"

#include "common/win/window_placement.h"

namespace {

constexpr char kPreviousProc[] = "SheetApplyWatch.Previous";
constexpr int kApplyButton = 0x3021;  // the sheet's own Apply button
thread_local int applying = 0;
thread_local HWND placeOver = nullptr;

bool StartsApply(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_COMMAND: return LOWORD(wParam) == IDOK || LOWORD(wParam) == kApplyButton;
    case PSM_PRESSBUTTON: return wParam == PSBTN_OK || wParam == PSBTN_APPLYNOW;
    case PSM_APPLY: return true;
    default: return false;
  }
}

LRESULT CALLBACK WatchedSheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(sheet, kPreviousProc));
  if (message == WM_NCDESTROY) {
    RemovePropA(sheet, kPreviousProc);
    SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return CallWindowProcA(previous, sheet, message, wParam, lParam);
  }
  if (!StartsApply(message, wParam)) return CallWindowProcA(previous, sheet, message, wParam, lParam);
  ++applying;
  const LRESULT result = CallWindowProcA(previous, sheet, message, wParam, lParam);
  --applying;
  return result;
}

}  // namespace

int CALLBACK WatchSheetApplies(HWND sheet, UINT message, LPARAM) {
  if (message != PSCB_INITIALIZED) return 0;
  CenterOver(sheet, placeOver);
  placeOver = nullptr;
  const LONG_PTR previous = GetWindowLongPtrA(sheet, GWLP_WNDPROC);
  if (SetPropA(sheet, kPreviousProc, reinterpret_cast<HANDLE>(previous)))
    SetWindowLongPtrA(sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchedSheetProc));
  return 0;
}

bool SheetApplying() { return applying > 0; }

void PlaceNextSheetOver(HWND window) { placeOver = window; }
