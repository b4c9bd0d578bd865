// The monitor's one way of telling the user something.
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_dialogs.h"

namespace portmon {
namespace {

// The template's "%s" takes the argument and "%%" stands for '%', as the
// printf family reads them; the result grows with the typed text.
std::wstring FillTemplate(const std::wstring& pattern, const std::wstring& argument) {
  std::wstring text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const wchar_t next = i + 1 < pattern.size() ? pattern[i + 1] : L'\0';
    if (pattern[i] == L'%' && next == L's') {
      text += argument;
      ++i;
    } else if (pattern[i] == L'%' && next == L'%') {
      text += L'%';
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace

int ShowMonitorMessage(HWND owner, UINT textId, UINT style, const std::wstring& argument) {
  const std::wstring caption = LoadText(IDS_CAPTION);
  const std::wstring text = FillTemplate(LoadText(textId), argument);
  // Without a window to stay over, the box at least holds the whole task.
  if (owner == nullptr) style |= MB_TASKMODAL;
  return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

}  // namespace portmon
