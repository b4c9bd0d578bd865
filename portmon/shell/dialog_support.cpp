#include "portmon/shell/dialog_support.h"

#include "portmon/shell/monitor.h"

namespace portmon {

void PresentDialog(HWND dialog) {
  SetWindowTextW(dialog, LoadText(IDS_MONITOR_NAME).c_str());
  SetForegroundWindow(dialog);
}

std::wstring ItemText(HWND dialog, int id, int maxChars) {
  std::wstring text(static_cast<std::size_t>(maxChars) + 1, L'\0');
  const UINT length = GetDlgItemTextW(dialog, id, text.data(), maxChars + 1);
  text.resize(length);
  return text;
}

void LimitItemText(HWND dialog, int id, int maxChars) {
  SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

void KeepDialogState(HWND dialog, LPARAM state) { SetWindowLongPtrW(dialog, DWLP_USER, state); }

}  // namespace portmon
