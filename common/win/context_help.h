#pragma once
// Context help from a WinHelp file: a control's help request (F1, or the
// caption's "?" then a click) opens the control's pop-up topic, and a
// right click on a control offers "What's This?" for it. Each dialog keeps a
// table of the controls that have a topic; a label shares its field's topic.
// Without a help file nothing happens.

#include <windows.h>

#include <span>

struct HelpTopic {
  int control;
  DWORD topic;
};

// Opens the pop-up when the asking control is in `topics`; false when it is
// not or there is no help file (the dialog's default handling then applies).
bool ShowContextHelp(const HELPINFO& request, std::span<const HelpTopic> topics, const char* helpFile);

// WM_CONTEXTMENU over `control`: the help file's context menu for it, with
// the whole table. False when there is no help file.
bool ShowContextMenuHelp(HWND control, std::span<const HelpTopic> topics, const char* helpFile);
