#pragma once
// The extensions registered under the management window's own key, as the
// window uses them on its local printers: their entries in the printers'
// and the background's context menus, and the mail column. Mail
// notification speaks the window's own interfaces (RMMUIFolder and the
// objects it makes); any other extension is a shell folder whose
// GetUIObjectOf gives a context menu for the printers (the LAN board entry).

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <vector>

#include "maintui/rmmui.h"

namespace folderhost {

// One context menu built from every extension, and the command chosen in it
// carried out by the extension that added it.
class ExtensionMenu {
 public:
  // `items` empty: the background's menu. The items stay the caller's.
  ExtensionMenu(HWND window, const std::vector<LPCITEMIDLIST>& items);
  ~ExtensionMenu();
  ExtensionMenu(const ExtensionMenu&) = delete;
  ExtensionMenu& operator=(const ExtensionMenu&) = delete;

  HMENU menu() const { return menu_; }
  // A command of the menu; false when no extension owns it.
  bool Invoke(UINT command);
  // The status bar's help text of a command.
  std::string HelpOf(UINT command);

 private:
  struct Part {
    IRMMUIMenu* mail = nullptr;
    IContextMenu* shell = nullptr;
    UINT first = 0;
  };
  HWND window_;
  HMENU menu_;
  std::vector<Part> parts_;
};

// The mail column of the module, attached to a list of local printers; null
// when mail notification is not registered.
IRMMUIViewExt* AttachMailColumn(HWND list);

}  // namespace folderhost
