#pragma once
// The management window's list of the workstation's printers: name, port
// and driver from the spooler, the mail column of the mail notification
// module, and the extensions' context menus. Each row's lParam is the
// window's item for its printer (name, kind, port), in the shell's memory.

#include <windows.h>

#include <memory>

#include "maintui/rmmui.h"
#include "outside/folderhost/host_extensions.h"

namespace folderhost {

class LocalPrinters {
 public:
  LocalPrinters(HWND frame, HWND status) : frame_(frame), status_(status) {}
  ~LocalPrinters() { Hide(); }
  LocalPrinters(const LocalPrinters&) = delete;
  LocalPrinters& operator=(const LocalPrinters&) = delete;

  void Show(const RECT& area);
  void Hide();
  bool Showing() const { return list_ != nullptr; }
  HWND List() const { return list_; }
  void Resize(const RECT& area);
  // A module changed what the column shows.
  void Refresh();
  // The context menu over the selection, or the background's without one,
  // at a screen point (-1, -1: from the keyboard).
  void ShowContextMenu(POINT at);
  // The help text of the menu entry the mouse is on; empty when none.
  std::string MenuHelp(UINT command);

 private:
  void Fill();
  void FreeItems();

  HWND frame_;
  HWND status_;  // the window's status bar, counting the printers
  HWND list_ = nullptr;
  IRMMUIViewExt* column_ = nullptr;
  std::unique_ptr<ExtensionMenu> menu_;  // while a context menu is open
};

}  // namespace folderhost
