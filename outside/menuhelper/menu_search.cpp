// Finding a popup by its marker id and an item's position by its id.
#include "outside/menuhelper/menuhelper.h"

namespace {

// Menus are trees of a few levels; the bound only keeps a malformed one
// (a popup inside itself) from running the search away.
constexpr int kDeepest = 32;

struct ItemIds {
  UINT id = 0;
  HMENU popup = nullptr;
};

bool ReadItem(HMENU menu, int position, ItemIds& ids) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_SUBMENU;
  if (!GetMenuItemInfoA(menu, position, TRUE, &item)) return false;
  ids.id = item.wID;
  ids.popup = item.hSubMenu;
  return true;
}

HMENU FindBelow(HMENU menu, UINT marker, int depth) {
  if (depth > kDeepest) return nullptr;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    ItemIds ids;
    if (!ReadItem(menu, position, ids) || ids.popup == nullptr) continue;
    if (ids.id == marker) return ids.popup;
    if (HMENU found = FindBelow(ids.popup, marker, depth + 1)) return found;
  }
  return nullptr;
}

}  // namespace

extern "C" HMENU WINAPI FindMenu(HMENU menu, UINT marker) {
  if (!IsMenu(menu)) return nullptr;
  return FindBelow(menu, marker, 0);
}

extern "C" int WINAPI FindPosition(HMENU popup, UINT anchorId) {
  if (!IsMenu(popup)) return -1;
  const int count = GetMenuItemCount(popup);
  for (int position = 0; position < count; ++position) {
    ItemIds ids;
    if (ReadItem(popup, position, ids) && ids.id == anchorId) return position;
  }
  return -1;
}
