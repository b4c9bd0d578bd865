#pragma once
// Menus built and read back item by item in the tests.
#include <windows.h>

#include <string>
#include <vector>

struct ItemView {
  UINT id = 0;
  std::string text;
  bool separator = false;
  HMENU popup = nullptr;
  UINT state = 0;
};

inline ItemView ItemAt(HMENU menu, int position) {
  char text[128] = {};
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_STATE;
  item.dwTypeData = text;
  item.cch = sizeof text - 1;
  ItemView view;
  if (!GetMenuItemInfoA(menu, position, TRUE, &item)) return view;
  view.id = item.wID;
  view.separator = (item.fType & MFT_SEPARATOR) != 0;
  view.text = view.separator ? "" : text;
  view.popup = item.hSubMenu;
  view.state = item.fState;
  return view;
}

inline std::vector<UINT> IdsOf(HMENU menu) {
  std::vector<UINT> ids;
  for (int at = 0; at < GetMenuItemCount(menu); ++at) ids.push_back(ItemAt(menu, at).id);
  return ids;
}

inline void AddCommand(HMENU menu, UINT id, const char* text) { AppendMenuA(menu, MF_STRING, id, text); }
inline void AddSeparator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

// A popup item with an id of its own (a marker), the popup given to `menu`.
inline HMENU AddPopup(HMENU menu, const char* text, UINT id = 0) {
  HMENU popup = CreatePopupMenu();
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
  item.wID = id;
  item.hSubMenu = popup;
  item.dwTypeData = const_cast<char*>(text);
  InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &item);
  return popup;
}
