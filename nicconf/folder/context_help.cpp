#include "nicconf/folder/context_help.h"

bool ShowContextHelp(const HELPINFO& request, std::span<const HelpTopic> topics) {
  if (request.iContextType != HELPINFO_WINDOW) return false;
  for (const HelpTopic& entry : topics) {
    if (entry.control != request.iCtrlId) continue;
    WinHelpA(static_cast<HWND>(request.hItemHandle), kFolderHelpFile, HELP_CONTEXTPOPUP, entry.topic);
    return true;
  }
  return false;
}
