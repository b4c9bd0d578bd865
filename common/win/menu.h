#pragma once
// A menu that belongs to no window and no other menu yet (DestroyMenu
// frees it with its popups). Once given to a window or inserted as a popup,
// release() it: its new holder frees it.

#include <windows.h>

#include "common/win/owner.h"

struct MenuKind {
  using Handle = HMENU;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle menu) noexcept { DestroyMenu(menu); }
};
using Menu = Owner<MenuKind>;
