#include "common/win/dialog_text.h"

#include "common/shift_jis.h"

std::string ItemText(HWND dialog, int control) {
  HWND window = GetDlgItem(dialog, control);
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::string ItemText(HWND dialog, int control, std::size_t room) {
  return room == 0 ? std::string() : CutShiftJis(ItemText(dialog, control), room - 1);
}
