#include "nicconf/view/view_window.h"

#include <commctrl.h>

#include "common/win/entry_guard.h"

#include "nicconf/folder/folder_files.h"
#include "nicconf/folder/module.h"
#include "nicconf/view/view_bars.h"
#include "nicconf/view/view_commands.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_menus.h"
#include "nicconf/view/view_refresh.h"
#include "nicconf/view/view_state.h"

namespace nic::view {
namespace {

constexpr char kClassName[] = "ParentView";
constexpr char kHelpFile[] = "nicconf.HLP";
constexpr int kNameLimit = 64;

// The list as the user leaves it is the list the next view loads.
void Closing(HWND window) {
  ViewState& v = View();
  StopRefresh();
  const std::vector<PrinterRecord> records = ListRecords();
  FolderState().loaded = records;
  SaveListFile(BesideModule("nic"), records);
  DestroyListContents();
  WinHelpA(window, kHelpFile, HELP_QUIT, 0);
  v.list = nullptr;
  v.labelEdit = nullptr;
  v.parent = nullptr;
}

// Enter or a double click: Alt asks for the properties, otherwise the item
// under the mouse shows its status.
void Activated() {
  if (GetKeyState(VK_MENU) < 0) {
    PostMessageA(View().parent, WM_COMMAND, kCommandProperties, 0);
    return;
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(View().list, &cursor);
  LVHITTESTINFO hit{};
  hit.pt = cursor;
  const int index = ListView_HitTest(View().list, &hit);
  if (index >= 0) ShowItemStatus(index);
}

LRESULT ListNotified(NMHDR* header, LPARAM lParam) {
  ViewState& v = View();
  switch (header->code) {
    case LVN_BEGINLABELEDITA:
      v.labelEdit = ListView_GetEditControl(v.list);
      if (v.labelEdit != nullptr) SendMessageA(v.labelEdit, EM_LIMITTEXT, kNameLimit, 0);
      return FALSE;
    case LVN_ENDLABELEDITA: {
      v.labelEdit = nullptr;
      const auto* edit = reinterpret_cast<NMLVDISPINFOA*>(lParam);
      if (edit->item.pszText != nullptr && edit->item.pszText[0] != '\0') RenameItem(edit->item.iItem, edit->item.pszText);
      return FALSE;  // the item's text is set already, cut to the limit
    }
    case LVN_COLUMNCLICK: SortByColumn(reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem); return 0;
    case LVN_ITEMCHANGED: UpdateBars(); return 0;
    case NM_SETFOCUS:
      if (ListView_GetNextItem(v.list, -1, LVNI_FOCUSED) < 0 && ListView_GetItemCount(v.list) > 0) {
        ListView_SetItemState(v.list, 0, LVIS_FOCUSED, LVIS_FOCUSED);
      }
      return 0;
    case NM_RETURN:
    case NM_DBLCLK: Activated(); return 0;
    default: return 0;
  }
}

LRESULT Notified(LPARAM lParam) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->code == TTN_NEEDTEXTA) {
    auto* tip = reinterpret_cast<TOOLTIPTEXTA*>(lParam);
    if (const char* text = ToolTipOf(static_cast<int>(header->idFrom))) tip->lpszText = const_cast<char*>(text);
    return 0;
  }
  if (header->hwndFrom == View().list) return ListNotified(header, lParam);
  return 0;
}

LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ViewState& v = View();
  switch (message) {
    case WM_DESTROY: Closing(window); return 0;
    case WM_SIZE:
      if (v.list != nullptr) {
        MoveWindow(v.list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        StopRefresh();
        StartRefresh(true);
      }
      return 0;
    case WM_SETFOCUS:
      if (v.list != nullptr) SetFocus(v.list);
      return 0;
    case WM_SETTINGCHANGE:
      if (v.list != nullptr) SendMessageA(v.list, message, wParam, lParam);
      return 0;
    case WM_TIMER: RefreshTimer(wParam); return 0;
    case WM_NOTIFY: return Notified(lParam);
    case WM_COMMAND: RunCommand(LOWORD(wParam), lParam); return 0;
    case WM_INITMENUPOPUP: InitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_MENUSELECT: ShowMenuHelp(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); return 0;
    case WM_CONTEXTMENU: ShowContextMenu(lParam); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

// No exception leaves for the host's message loop.
LRESULT CALLBACK ParentViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<LRESULT>(0, [&] { return Handle(window, message, wParam, lParam); });
}

bool RegisterOnce() {
  WNDCLASSA known{};
  if (GetClassInfoA(FolderInstance(), kClassName, &known)) return true;
  WNDCLASSA c{};
  c.style = CS_PARENTDC;
  c.lpfnWndProc = ParentViewProc;
  c.cbWndExtra = sizeof(LONG);
  c.hInstance = FolderInstance();
  c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  c.lpszClassName = kClassName;
  return RegisterClassA(&c) != 0;
}

}  // namespace

HWND CreateParentView(HWND browserWindow, const RECT& area) {
  if (!RegisterOnce()) return nullptr;
  return CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left,
                         area.top, area.right - area.left, area.bottom - area.top, browserWindow, nullptr,
                         FolderInstance(), nullptr);
}

void UnregisterParentView() { UnregisterClassA(kClassName, FolderInstance()); }

}  // namespace nic::view
