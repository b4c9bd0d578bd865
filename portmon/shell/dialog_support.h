#pragma once
// What the monitor's dialogs share: their title, their place in front, and
// reading what the user typed.

#include <windows.h>

#include <string>

namespace portmon {

// Titles the dialog with the monitor's name (one resource script serves
// every build) and brings it to the front.
void PresentDialog(HWND dialog);

// The text of control `id`, at most `maxChars` characters of it.
std::wstring ItemText(HWND dialog, int id, int maxChars);

void LimitItemText(HWND dialog, int id, int maxChars);

// The dialog's own data, given to DialogBoxParam and kept with the window.
template <typename State>
State& DialogState(HWND dialog) {
  return *reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}
void KeepDialogState(HWND dialog, LPARAM state);

}  // namespace portmon
