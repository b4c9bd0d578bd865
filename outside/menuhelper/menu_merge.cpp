// Copying one menu's items into another with their command ids moved.
#include "outside/menuhelper/menuhelper.h"

#include <string>

#include "common/win/entry_guard.h"
#include "common/win/menu.h"

namespace {

constexpr int kDeepest = 32;     // see menu_search.cpp
constexpr UINT kLastCommand = 0xFFFF;  // WM_COMMAND carries the id in 16 bits

class Merge {
 public:
  Merge(UINT offset, UINT limit) : offset_(offset), limit_(limit), next_(offset) {}

  // Copies every item of `source` into `target` from `position` on; the
  // number of items inserted.
  UINT Items(HMENU target, HMENU source, UINT position, int depth) {
    if (depth > kDeepest) return 0;
    const int count = GetMenuItemCount(source);
    UINT inserted = 0;
    for (int at = 0; at < count; ++at) {
      if (Item(target, source, at, position + inserted, depth)) ++inserted;
    }
    return inserted;
  }

  UINT next() const { return next_; }

 private:
  bool Item(HMENU target, HMENU source, int at, UINT position, int depth) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_BITMAP | MIIM_STRING;
    if (!GetMenuItemInfoA(source, at, TRUE, &item)) return false;
    std::string text(item.cch + 1, '\0');
    item.dwTypeData = text.data();
    item.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoA(source, at, TRUE, &item)) return false;
    if (item.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)) item.fMask &= ~MIIM_STRING;

    Menu popup;
    if (item.hSubMenu != nullptr) {
      popup.reset(CreatePopupMenu());
      if (!popup) return false;
      Items(popup.get(), item.hSubMenu, 0, depth + 1);
      item.hSubMenu = popup.get();
    } else if (!(item.fType & MFT_SEPARATOR)) {
      if (!Moved(item.wID, item.wID)) return false;
    }
    if (!InsertMenuItemA(target, position, TRUE, &item)) return false;
    popup.release();  // the target holds it now
    if (item.hSubMenu == nullptr && !(item.fType & MFT_SEPARATOR) && item.wID >= next_) {
      next_ = item.wID + 1;
    }
    return true;
  }

  bool Moved(UINT id, UINT& moved) const {
    const unsigned long long sum = static_cast<unsigned long long>(id) + offset_;
    if (sum > kLastCommand || (limit_ != 0 && sum >= limit_)) return false;
    moved = static_cast<UINT>(sum);
    return true;
  }

  UINT offset_, limit_, next_;
};

bool IsSeparatorAt(HMENU menu, UINT position) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE;
  return GetMenuItemInfoA(menu, position, TRUE, &item) && (item.fType & MFT_SEPARATOR);
}

}  // namespace

extern "C" UINT WINAPI MergeMenus(HMENU target, HMENU source, UINT position, UINT idOffset, UINT idLimit,
                                  UINT flags, UINT) {
  return GuardedEntry<UINT>(idOffset, [&] {
    if (!IsMenu(target) || !IsMenu(source) || target == source) return idOffset;
    const UINT count = static_cast<UINT>(GetMenuItemCount(target));
    if (position > count) position = count;
    Merge merge(idOffset, idLimit);
    const UINT inserted = merge.Items(target, source, position, 0);
    if ((flags & MENUHELPER_MERGE_SEPARATOR) && inserted > 0 && position > 0 &&
        !IsSeparatorAt(target, position - 1)) {
      InsertMenuA(target, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    }
    return merge.next();
  });
}
