#pragma once
// The folder's context help. A control's topic number is its control id,
// unique across the module's dialogs, so one help file serves them all.

#include "common/win/context_help.h"

inline constexpr char kFolderHelpFile[] = "nicconf.HLP";

inline bool ShowContextHelp(const HELPINFO& request, std::span<const HelpTopic> topics) {
  return ShowContextHelp(request, topics, kFolderHelpFile);
}
