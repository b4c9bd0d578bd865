#pragma once
// Context help: the help request of a control (F1, or the caption's "?"
// then a click) opens the control's pop-up topic in the folder's help
// file. Each dialog keeps a table of the controls that have a topic. A
// control's topic number is its control id, unique across the module's
// dialogs, so one help file serves them all.

#include <windows.h>

#include <span>

inline constexpr char kFolderHelpFile[] = "nicconf.HLP";

struct HelpTopic {
  int control;
  DWORD topic;
};

// Opens the pop-up when the asking control is in `topics`; false when it is
// not (the dialog's default handling then applies).
bool ShowContextHelp(const HELPINFO& request, std::span<const HelpTopic> topics);
