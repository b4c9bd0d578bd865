#include "outside/folderhost/local_printers.h"

#include <commctrl.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/win/printer_item_name.h"

namespace folderhost {
namespace {

constexpr UINT kListId = 300;

struct Column {
  const char* title;
  int width;
};
constexpr Column kColumns[] = {{"名前", 160}, {"ポート", 110}, {"ドライバ", 150}};

std::string Text(const char* text) { return text != nullptr ? text : ""; }

std::vector<BYTE> Printers(DWORD& count) {
  DWORD needed = 0;
  count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) count = 0;
  return buffer;
}

void SetCell(HWND list, int row, int column, const char* text) {
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text != nullptr ? text : "");
  SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
}

}  // namespace

void LocalPrinters::Show(const RECT& area) {
  if (list_ != nullptr) return;
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                          area.left, area.top, area.right - area.left, area.bottom - area.top, frame_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const Column& c : kColumns) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = c.width;
    column.pszText = const_cast<char*>(c.title);
    SendMessageA(list_, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
  }
  Fill();
  column_ = AttachMailColumn(list_);
  char count[64];
  std::snprintf(count, sizeof count, "%d 台のプリンタ", static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)));
  SendMessageA(status_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(count));
}

void LocalPrinters::Fill() {
  DWORD count = 0;
  const std::vector<BYTE> buffer = Printers(count);
  const auto* info = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    LVITEMA row{};
    row.mask = LVIF_TEXT | LVIF_PARAM;
    row.iItem = static_cast<int>(i);
    row.pszText = info[i].pPrinterName;
    const LPITEMIDLIST item = NewMailPrinterItem({Text(info[i].pPrinterName), 0, Text(info[i].pPortName)});
    row.lParam = reinterpret_cast<LPARAM>(item);
    const int at = static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)));
    SetCell(list_, at, 1, info[i].pPortName);
    SetCell(list_, at, 2, info[i].pDriverName);
  }
}

void LocalPrinters::FreeItems() {
  const int rows = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) CoTaskMemFree(reinterpret_cast<void*>(item.lParam));
  }
}

void LocalPrinters::Hide() {
  if (list_ == nullptr) return;
  if (column_ != nullptr) {
    column_->DetachColumn();
    column_->Release();
    column_ = nullptr;
  }
  FreeItems();
  DestroyWindow(list_);
  list_ = nullptr;
}

void LocalPrinters::Resize(const RECT& area) {
  if (list_ != nullptr) MoveWindow(list_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void LocalPrinters::Refresh() {
  if (column_ != nullptr) column_->RefreshColumn();
}

void LocalPrinters::ShowContextMenu(POINT at) {
  std::vector<LPCITEMIDLIST> items;
  for (int row = -1; (row = static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0;) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) && item.lParam != 0)
      items.push_back(reinterpret_cast<LPCITEMIDLIST>(item.lParam));
  }
  if (at.x == -1 && at.y == -1) {
    at = {20, 20};
    ClientToScreen(list_, &at);
  }
  menu_ = std::make_unique<ExtensionMenu>(frame_, items);
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu_->menu(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, frame_, nullptr));
  if (chosen != 0) menu_->Invoke(chosen);
  menu_.reset();
}

std::string LocalPrinters::MenuHelp(UINT command) { return menu_ != nullptr ? menu_->HelpOf(command) : std::string(); }

}  // namespace folderhost
