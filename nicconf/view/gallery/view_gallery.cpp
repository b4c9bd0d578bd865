// The folder's view on screen, for judging its windows: the registered
// folder's view in a frame of its own, and on request, once the first
// refresh has had its time, one printer's status dialog or the options
// sheet, the registration wizard (worked by hand) or the remote power-off's
// choice. Not a test.
//
//   view_gallery [details|icons|small|list] [status N | options | register | power-off]
//
// It shows the printers of the list file beside the registered nicconf.dll
// and ends when its frame closes or after a minute.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#include "common/win/testing/browser_double.h"
#include "nicconf/folder/class_ids.h"

namespace {

UINT ViewModeOf(const char* name) {
  if (std::strcmp(name, "icons") == 0) return FVM_ICON;
  if (std::strcmp(name, "small") == 0) return FVM_SMALLICON;
  if (std::strcmp(name, "list") == 0) return FVM_LIST;
  return FVM_DETAILS;
}

// What the user does once the view has refreshed: a row's status or the
// options, through the view's own commands.
void Later(testkit::BrowserDouble& browser, const char* what, int row) {
  Sleep(4000);
  HWND parentView = GetWindow(browser.Frame(), GW_CHILD);
  HWND list = GetWindow(parentView, GW_CHILD);
  if (what != nullptr && std::strcmp(what, "status") == 0) {
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    PostMessageW(parentView, WM_COMMAND, 100, 0);
  }
  if (what != nullptr && std::strcmp(what, "options") == 0) PostMessageW(parentView, WM_COMMAND, 291, 0);
  if (what != nullptr && std::strcmp(what, "register") == 0) PostMessageW(parentView, WM_COMMAND, 106, 0);
  if (what != nullptr && std::strcmp(what, "power-off") == 0) PostMessageW(parentView, WM_COMMAND, 294, 0);
  Sleep(56000);
  PostMessageW(browser.Frame(), WM_CLOSE, 0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  InitCommonControls();
  CoInitialize(nullptr);
  IShellFolder* folder = nullptr;
  if (FAILED(CoCreateInstance(kClsidNicFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                              reinterpret_cast<void**>(&folder)))) {
    MessageBoxW(nullptr, L"nicconf.dll is not registered", L"view_gallery", MB_OK);
    return 1;
  }
  testkit::BrowserDouble browser;
  std::thread user(Later, std::ref(browser), argc > 2 ? argv[2] : nullptr, argc > 3 ? std::atoi(argv[3]) : 0);
  user.detach();
  const BOOL shown = browser.Run(folder, ViewModeOf(argc > 1 ? argv[1] : "details"));
  folder->Release();
  CoUninitialize();
  return shown ? 0 : 1;
}
