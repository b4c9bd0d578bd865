#pragma once
// The view's menus: its popups merged into the browser's menu bar while it
// is active, the selection's entries put into the first popup as it opens,
// the radio check of the view popup, the context menu of the list and the
// help text of the highlighted command in the status bar.

#include <windows.h>
#include <shlobj.h>

namespace nic::view {

// Activation: the browser gets a new merged menu (the old one is dropped).
void MergeBrowserMenu();
// Deactivation and the view's end.
void DropBrowserMenu();

// The message handlers of the "ParentView" window.
void InitMenuPopup(HMENU popup);
void ShowContextMenu(LPARAM at);
void ShowMenuHelp(UINT id, UINT flags, HMENU menu);

// The selection's NICMenu through the folder; null without a selection. Its
// item lives in `item` until the caller frees it (after the menu).
IContextMenu* SelectionMenu(LPITEMIDLIST& item);

}  // namespace nic::view
