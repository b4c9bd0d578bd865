#include "common/win/context_help.h"

#include <vector>

bool ShowContextHelp(const HELPINFO& request, std::span<const HelpTopic> topics, const char* helpFile) {
  if (request.iContextType != HELPINFO_WINDOW || helpFile == nullptr || *helpFile == '\0') return false;
  for (const HelpTopic& entry : topics) {
    if (entry.control != request.iCtrlId) continue;
    WinHelpA(static_cast<HWND>(request.hItemHandle), helpFile, HELP_CONTEXTPOPUP, entry.topic);
    return true;
  }
  return false;
}

bool ShowContextMenuHelp(HWND control, std::span<const HelpTopic> topics, const char* helpFile) {
  if (helpFile == nullptr || *helpFile == '\0') return false;
  // WinHelp takes the table as pairs of control id and topic, ending in 0, 0.
  std::vector<DWORD> pairs;
  for (const HelpTopic& entry : topics) {
    pairs.push_back(static_cast<DWORD>(entry.control));
    pairs.push_back(entry.topic);
  }
  pairs.insert(pairs.end(), {0, 0});
  WinHelpA(control, helpFile, HELP_CONTEXTMENU, reinterpret_cast<ULONG_PTR>(pairs.data()));
  return true;
}
