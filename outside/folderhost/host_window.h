#pragma once
// The management window: a tree of the registered folders and the local
// printers on the left, the chosen one on the right (a folder's own view
// through the window's shell browser, or the list of local printers), a
// toolbar with the view's buttons and a status bar.

#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

#include "outside/folderhost/host_browser.h"
#include "outside/folderhost/local_printers.h"
#include "outside/folderhost/namespace_entries.h"

namespace folderhost {

class HostWindow {
 public:
  // The window, shown, its tree filled; null when it cannot be made.
  static std::unique_ptr<HostWindow> Create(HINSTANCE instance);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  // The message loop until the window closes; the view sees its keys first.
  int Run();

  HWND Frame() const { return frame_; }
  HWND Tree() const { return tree_; }
  HWND Toolbar() const { return toolbar_; }
  HWND StatusBar() const { return status_; }
  HWND PrinterList() const { return printers_ ? printers_->List() : nullptr; }
  // Chooses the tree's node of this label, as a click does; false when
  // there is none.
  bool ChooseNode(const std::wstring& label);
  HWND ViewWindow() const { return browser_ ? browser_->ViewWindow() : nullptr; }

 private:
  explicit HostWindow(HINSTANCE instance);
  static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool MakeChildren();
  void FillTree();
  void Choose(LPARAM node);
  RECT PaneArea() const;
  void Layout();
  LRESULT Notified(NMHDR* header);
  void Commanded(WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HWND frame_ = nullptr;
  HWND tree_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND status_ = nullptr;
  HMENU ownMenu_ = nullptr;
  std::vector<NameSpaceEntry> folders_;
  std::unique_ptr<HostBrowser> browser_;
  std::unique_ptr<LocalPrinters> printers_;
  IShellFolder* folder_ = nullptr;  // the folder whose view is shown
};

}  // namespace folderhost
