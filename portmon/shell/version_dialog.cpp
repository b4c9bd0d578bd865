#include "portmon/shell/version_dialog.h"

#include "portmon/shell/dialog_resources.h"
#include "portmon/shell/monitor.h"

namespace portmon {
namespace {

INT_PTR CALLBACK VersionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    // The name comes from the build's strings, so every build shares the box.
    SetDlgItemTextW(dialog, IDC_VERSION_NAME, LoadText(IDS_MONITOR_NAME).c_str());
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void RunVersionDialog(HWND owner) {
  DialogBoxParamW(Monitor::Instance().module(), MAKEINTRESOURCEW(IDD_VERSION), owner, VersionProc,
                  0);
}

}  // namespace portmon
