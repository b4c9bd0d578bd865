// folderhost: the management window the suite's folders and extensions
// live in, standing in for the product's own.
//
//   folderhost [LABEL]    opens with the tree's node LABEL chosen
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "outside/folderhost/host_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  int result = 1;
  if (auto host = folderhost::HostWindow::Create(instance)) {
    int count = 0;
    if (LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
      if (count > 1) host->ChooseNode(arguments[1]);
      LocalFree(arguments);
    }
    result = host->Run();
  }
  CoUninitialize();
  return result;
}
