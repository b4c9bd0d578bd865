// The browser menu the view merges its popups into, and the refresh of the
// view popup after a merge.
#include "outside/menuhelper/menuhelper.h"

#include "common/win/entry_guard.h"
#include "common/win/menu.h"

namespace {

struct StandardPopup {
  const char* text;
  UINT marker;
  UINT anchor;  // 0: none
};

// The browser's usual popups, in the order of a menu bar.
constexpr StandardPopup kPopups[] = {
    {"ファイル(&F)", FCIDM_MENU_FILE, 0},
    {"編集(&E)", FCIDM_MENU_EDIT, 0},
    {"表示(&V)", FCIDM_MENU_VIEW, FCIDM_MENU_VIEW_SEP_OPTIONS},
    {"ツール(&T)", FCIDM_MENU_TOOLS, FCIDM_MENU_TOOLS_SEP_GOTO},
    {"ヘルプ(&H)", FCIDM_MENU_HELP, 0},
};

bool AddSeparator(HMENU popup, UINT id) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID;
  item.fType = MFT_SEPARATOR;
  item.wID = id;
  return InsertMenuItemA(popup, GetMenuItemCount(popup), TRUE, &item) != FALSE;
}

bool AddPopup(HMENU bar, const StandardPopup& standard) {
  Menu popup(CreatePopupMenu());
  if (!popup) return false;
  if (standard.anchor != 0 && !AddSeparator(popup.get(), standard.anchor)) return false;
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  item.fType = MFT_STRING;
  item.wID = standard.marker;
  item.hSubMenu = popup.get();
  item.dwTypeData = const_cast<char*>(standard.text);
  if (!InsertMenuItemA(bar, GetMenuItemCount(bar), TRUE, &item)) return false;
  popup.release();  // the bar holds it now
  return true;
}

}  // namespace

extern "C" HMENU WINAPI CreateCompositeMenu(IShellBrowser*) {
  return GuardedEntry<HMENU>(nullptr, [] () -> HMENU {
    Menu bar(CreateMenu());
    if (!bar) return nullptr;
    for (const StandardPopup& standard : kPopups) {
      if (!AddPopup(bar.get(), standard)) return nullptr;
    }
    return bar.release();
  });
}

extern "C" BOOL WINAPI UpdateViewMenu(HMENU popup) { return IsMenu(popup) ? TRUE : FALSE; }
