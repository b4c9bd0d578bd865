#include "common/win/list_view.h"

#include <commctrl.h>

void AddListColumn(HWND list, int index, const char* header, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH | (header != nullptr ? LVCF_TEXT : 0);
  column.pszText = const_cast<char*>(header);
  column.cx = width;
  SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int AddListRow(HWND list, std::span<const char* const> cells) {
  if (cells.empty()) return -1;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(cells[0]);
  const int row = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return -1;
  for (std::size_t c = 1; c < cells.size(); ++c) {
    item.iSubItem = static_cast<int>(c);
    item.pszText = const_cast<char*>(cells[c]);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  return row;
}
