#include "nicconf/view/view_menus.h"

#include <commctrl.h>
#include <windowsx.h>

#include "common/win/menu.h"
#include "nicconf/folder/module.h"
#include "nicconf/folder/nic_menu.h"
#include "nicconf/folder/shell_item.h"
#include "nicconf/view/view_bars.h"
#include "nicconf/view/view_list.h"
#include "nicconf/view/view_resource_ids.h"
#include "nicconf/view/view_state.h"
#include "outside/menuhelper/menuhelper.h"

namespace nic::view {
namespace {

// Where each popup of our browser menu goes: the browser popup with that
// marker, before that anchor (0: at the top).
struct MergeRow {
  UINT marker;
  int position;
  UINT anchor;
};
constexpr MergeRow kMergeTable[] = {
    {FCIDM_MENU_FILE, 0, 0},
    {FCIDM_MENU_EDIT, 1, 0},
    {FCIDM_MENU_VIEW, 2, FCIDM_MENU_VIEW_SEP_OPTIONS},
    {FCIDM_MENU_TOOLS, 3, FCIDM_MENU_TOOLS_SEP_GOTO},
    {FCIDM_MENU_HELP, 4, 0},
};
constexpr UINT kBrowserIdLimit = 0x7FFF;
constexpr UINT kSelectionIdLimit = 0xBF00;
constexpr UINT kViewMarker = 0x8080;

bool IsSelectionEntry(UINT id) { return id >= kItemMenuFirst && id < kItemMenuLast; }

bool BrowserHasTree() {
  HWND tree = nullptr;
  return View().browser != nullptr && SUCCEEDED(View().browser->GetControlWindow(FCW_TREE, &tree)) && tree != nullptr;
}

// The selection's entries merged at an earlier opening go, with the
// separator that then leads.
void RemoveSelectionEntries(HMENU popup) {
  for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
    if (!IsSelectionEntry(GetMenuItemID(popup, i))) continue;
    for (int j = i; j >= 0; --j) DeleteMenu(popup, static_cast<UINT>(j), MF_BYPOSITION);
    break;
  }
  if (GetMenuItemCount(popup) > 0 && (GetMenuState(popup, 0, MF_BYPOSITION) & MF_SEPARATOR) != 0)
    DeleteMenu(popup, 0, MF_BYPOSITION);
}

// A separator between the selection's entries and the browser's own.
void SeparateSelectionEntries(HMENU popup) {
  int after = 0;
  while (after < GetMenuItemCount(popup) &&
         (IsSelectionEntry(GetMenuItemID(popup, after)) ||
          (GetMenuState(popup, static_cast<UINT>(after), MF_BYPOSITION) & MF_SEPARATOR) != 0)) {
    ++after;
  }
  if (after == 0 || after == GetMenuItemCount(popup)) return;
  if ((GetMenuState(popup, static_cast<UINT>(after - 1), MF_BYPOSITION) & MF_SEPARATOR) != 0) return;
  InsertMenuA(popup, static_cast<UINT>(after), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void PutSelectionEntries(HMENU popup) {
  RemoveSelectionEntries(popup);
  LPITEMIDLIST item = nullptr;
  if (IContextMenu* menu = SelectionMenu(item)) {
    menu->QueryContextMenu(popup, 0, kItemMenuFirst, kSelectionIdLimit, BrowserHasTree() ? CMF_EXPLORE : CMF_NORMAL);
    menu->Release();
    SeparateSelectionEntries(popup);
  }
  FreePrinterItem(item);
}

bool IconStyle() { return (GetWindowLongA(View().list, GWL_STYLE) & LVS_TYPEMASK) == LVS_ICON; }

// From the keyboard the menu opens over the focused item (else the
// selected one, else the list's origin).
POINT KeyboardPoint() {
  HWND list = View().list;
  int item = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
  if (item < 0) item = SelectedItem();
  POINT at{0, 0};
  RECT bounds{};
  if (item >= 0 && ListView_GetItemRect(list, item, &bounds, LVIR_BOUNDS)) {
    at = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  }
  ClientToScreen(list, &at);
  return at;
}

void FillBackgroundMenu(HMENU popup) {
  Menu loaded(LoadMenuA(FolderInstance(), MAKEINTRESOURCEA(IDM_BACKGROUND)));
  if (!loaded) return;
  MergeMenus(popup, GetSubMenu(loaded.get(), 0), 0, 0, kBrowserIdLimit, 0, 0);
  MENUITEMINFOA marker{};
  marker.cbSize = sizeof marker;
  marker.fMask = MIIM_ID;
  marker.wID = kViewMarker;
  SetMenuItemInfoA(popup, 0, TRUE, &marker);
}

}  // namespace

IContextMenu* SelectionMenu(LPITEMIDLIST& item) {
  item = nullptr;
  const ViewState& v = View();
  PrinterRecord record{};
  const int index = SelectedItem();
  if (v.folder == nullptr || index < 0 || !ItemRecord(index, record)) return nullptr;
  item = NewPrinterItem(record);
  if (item == nullptr) return nullptr;
  LPCITEMIDLIST items[] = {item};
  IContextMenu* menu = nullptr;
  if (FAILED(v.folder->GetUIObjectOf(v.parent, 1, items, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu))))
    return nullptr;
  return menu;
}

void MergeBrowserMenu() {
  ViewState& v = View();
  DropBrowserMenu();
  Menu composite(CreateCompositeMenu(v.browser));
  Menu ours(LoadMenuA(FolderInstance(), MAKEINTRESOURCEA(IDM_BROWSER)));
  if (!composite || !ours) return;
  for (const MergeRow& row : kMergeTable) {
    HMENU popup = FindMenu(composite.get(), row.marker);
    if (popup == nullptr) continue;
    const int at = row.anchor == 0 ? 0 : FindPosition(popup, row.anchor);
    MergeMenus(popup, GetSubMenu(ours.get(), row.position), at < 0 ? 0 : static_cast<UINT>(at), 0, kBrowserIdLimit, 0, 0);
  }
  v.browser->SetMenuSB(composite.get(), nullptr, v.parent);
  UpdateViewMenu(FindMenu(composite.get(), FCIDM_MENU_VIEW));
  v.menu = composite.release();
}

void DropBrowserMenu() {
  ViewState& v = View();
  if (v.menu == nullptr) return;
  if (v.browser != nullptr) {
    v.browser->SetMenuSB(nullptr, nullptr, nullptr);
    v.browser->RemoveMenusSB(v.menu);
  }
  DestroyMenu(v.menu);
  v.menu = nullptr;
}

void InitMenuPopup(HMENU popup) {
  const ViewState& v = View();
  if (v.menu == nullptr || popup == nullptr) return;
  if (popup == FindMenu(v.menu, FCIDM_MENU_FILE) && v.activation == SVUIA_ACTIVATE_FOCUS) PutSelectionEntries(popup);
  if (popup == FindMenu(v.menu, FCIDM_MENU_VIEW)) {
    CheckMenuRadioItem(popup, kCommandIcons, kCommandDetails, IconStyle() ? kCommandIcons : kCommandDetails,
                       MF_BYCOMMAND);
  }
}

void ShowContextMenu(LPARAM at) {
  const ViewState& v = View();
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) point = KeyboardPoint();
  Menu popup(CreatePopupMenu());
  if (!popup) return;
  LPITEMIDLIST item = nullptr;
  IContextMenu* menu = SelectionMenu(item);
  if (menu != nullptr) {
    menu->QueryContextMenu(popup.get(), 0, kItemMenuFirst, kItemMenuLast, CMF_NORMAL);
  } else {
    FillBackgroundMenu(popup.get());
  }
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, v.parent, nullptr));
  if (chosen != 0 && menu != nullptr) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.hwnd = v.parent;
    info.lpVerb = MAKEINTRESOURCEA(chosen - kItemMenuFirst);
    menu->InvokeCommand(&info);
  } else if (chosen != 0) {
    PostMessageA(v.parent, WM_COMMAND, chosen, 0);
  }
  if (menu != nullptr) menu->Release();
  FreePrinterItem(item);
}

void ShowMenuHelp(UINT id, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && menu == nullptr) return UpdateBars();  // the menu closed
  if ((flags & MF_SEPARATOR) != 0) return;
  if ((flags & MF_POPUP) != 0) {
    // A popup is told by its position; its id is its marker.
    MENUITEMINFOA popup{};
    popup.cbSize = sizeof popup;
    popup.fMask = MIIM_ID;
    if (!GetMenuItemInfoA(menu, id, TRUE, &popup)) return;
    id = popup.wID;
  }
  if (IsSelectionEntry(id)) id -= kItemMenuFirst;
  char text[160] = {};
  LoadStringA(FolderInstance(), id, text, sizeof text);
  ShowStatusText(text);
}

}  // namespace nic::view
