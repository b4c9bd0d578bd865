#include "nicconf/view/view_list.h"

#include <commctrl.h>
#include <shlobj.h>

#include "common/bounded_text.h"
#include "common/shift_jis.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/folder/shell_item.h"
#include "nicconf/view/view_state.h"

namespace nic::view {
namespace {

// The columns as they stand in the list, by sub-item.
std::vector<ListColumn>& Columns() {
  static std::vector<ListColumn> columns;
  return columns;
}

LPITEMIDLIST ItemParam(int index) {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!SendMessageA(View().list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<LPITEMIDLIST>(item.lParam);
}

void SetCell(int index, int subItem, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = subItem;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(View().list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

void SetCells(int index, const PrinterRecord& record, const ItemStatus* status) {
  const auto& columns = Columns();
  for (std::size_t sub = 0; sub < columns.size(); ++sub) {
    SetCell(index, static_cast<int>(sub), ColumnText(record, columns[sub], status));
  }
}

void AddColumns() {
  Columns() = ShownColumns(FolderState().settings);
  for (std::size_t i = 0; i < Columns().size(); ++i) {
    const std::string header = FolderString(static_cast<int>(Columns()[i]));
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.pszText = const_cast<char*>(header.c_str());
    column.iSubItem = static_cast<int>(i);
    SendMessageA(View().list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  SpreadColumns();
}

// The item's icon in both sizes, from the folder's icon object.
bool ItemIcons(LPCITEMIDLIST item, HICON& large, HICON& small) {
  IExtractIconA* extractor = nullptr;
  if (FAILED(View().folder->GetUIObjectOf(View().parent, 1, &item, IID_IExtractIconA, nullptr,
                                          reinterpret_cast<void**>(&extractor)))) {
    return false;
  }
  large = small = nullptr;
  const UINT sizes = MAKELONG(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CXSMICON));
  const bool got = SUCCEEDED(extractor->Extract("", 0, &large, &small, sizes)) && large != nullptr;
  extractor->Release();
  return got;
}

// Puts the item's icon into both image lists at `slot` (-1: a new slot);
// the slot used, or -1 when there is no icon.
int PlaceIcons(LPCITEMIDLIST item, int slot) {
  HICON large = nullptr;
  HICON small = nullptr;
  if (!ItemIcons(item, large, small)) return slot;
  HIMAGELIST largeList = ListView_GetImageList(View().list, LVSIL_NORMAL);
  HIMAGELIST smallList = ListView_GetImageList(View().list, LVSIL_SMALL);
  const int placed = ImageList_ReplaceIcon(largeList, slot, large);
  ImageList_ReplaceIcon(smallList, slot, small != nullptr ? small : large);
  DestroyIcon(large);
  if (small != nullptr) DestroyIcon(small);
  return placed;
}

void AddItem(LPITEMIDLIST pidl, const PrinterRecord& record) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
  item.iItem = ListView_GetItemCount(View().list);
  item.pszText = const_cast<char*>(record.name);
  item.lParam = reinterpret_cast<LPARAM>(pidl);
  item.iImage = PlaceIcons(pidl, -1);
  const int index = static_cast<int>(SendMessageA(View().list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (index < 0) {
    FreePrinterItem(pidl);
    return;
  }
  SetCells(index, record, nullptr);
}

int CALLBACK CompareItems(LPARAM first, LPARAM second, LPARAM) {
  PrinterRecord a{};
  PrinterRecord b{};
  ReadPrinterItem(reinterpret_cast<LPCITEMIDLIST>(first), a);
  ReadPrinterItem(reinterpret_cast<LPCITEMIDLIST>(second), b);
  const ListSort& sort = View().sort;
  return CompareByColumn(a, b, sort.column) * sort.direction;
}

}  // namespace

HWND CreateList(HWND parent, UINT viewMode) {
  RECT area{};
  GetClientRect(parent, &area);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | LVS_SINGLESEL | LVS_SHAREIMAGELISTS |
                LVS_AUTOARRANGE | LVS_EDITLABELS;
  switch (viewMode) {
    case FVM_SMALLICON: style |= LVS_SMALLICON; break;
    case FVM_LIST: style |= LVS_LIST; break;
    case FVM_DETAILS: style |= LVS_REPORT; break;
    default: style |= LVS_ICON; break;
  }
  HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, area.right, area.bottom, parent,
                              nullptr, FolderInstance(), nullptr);
  if (list == nullptr) return nullptr;
  View().list = list;
  const UINT flags = ILC_COLOR32 | ILC_MASK;
  ListView_SetImageList(list, ImageList_Create(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), flags, 8, 8),
                        LVSIL_NORMAL);
  ListView_SetImageList(
      list, ImageList_Create(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), flags, 8, 8), LVSIL_SMALL);
  AddColumns();
  return list;
}

bool FillList() {
  FreeItems();
  IEnumIDList* items = nullptr;
  const SHCONTF flags = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
  if (View().folder->EnumObjects(View().parent, flags, &items) != S_OK || items == nullptr) return false;
  LPITEMIDLIST pidl = nullptr;
  ULONG fetched = 0;
  // One repaint when the list is full, not one for each cell on the way.
  SendMessageA(View().list, WM_SETREDRAW, FALSE, 0);
  while (items->Next(1, &pidl, &fetched) == S_OK) {
    PrinterRecord record{};
    if (ReadPrinterItem(pidl, record)) {
      AddItem(pidl, record);
    } else {
      FreePrinterItem(pidl);
    }
  }
  items->Release();
  SendMessageA(View().list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(View().list, nullptr, TRUE);
  return true;
}

void RebuildColumns() {
  while (ListView_DeleteColumn(View().list, 0)) {
  }
  AddColumns();
  const int count = ListView_GetItemCount(View().list);
  for (int i = 0; i < count; ++i) {
    PrinterRecord record{};
    if (ItemRecord(i, record)) SetCells(i, record, nullptr);
  }
  InvalidateRect(View().list, nullptr, TRUE);
}

void SpreadColumns() {
  RECT area{};
  GetClientRect(View().list, &area);
  const int count = static_cast<int>(Columns().size());
  if (count == 0) return;
  for (int i = 0; i < count; ++i) ListView_SetColumnWidth(View().list, i, area.right / count);
}

bool AppendItem(const PrinterRecord& record) {
  LPITEMIDLIST pidl = NewPrinterItem(record);
  if (pidl == nullptr) return false;
  AddItem(pidl, record);
  return true;
}

bool ItemRecord(int index, PrinterRecord& record) {
  const LPITEMIDLIST pidl = ItemParam(index);
  return pidl != nullptr && ReadPrinterItem(pidl, record);
}

// A new printer item for the record in the list item's place, and its icon;
// false (the item keeps its old record) when memory runs out.
bool SwapItem(int index, const PrinterRecord& record) {
  LPITEMIDLIST old = ItemParam(index);
  LPITEMIDLIST fresh = NewPrinterItem(record);
  if (fresh == nullptr) return false;
  LVITEMA item{};
  item.mask = LVIF_PARAM | LVIF_IMAGE;
  item.iItem = index;
  SendMessageA(View().list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  item.lParam = reinterpret_cast<LPARAM>(fresh);
  item.iImage = PlaceIcons(fresh, item.iImage);
  SendMessageA(View().list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  if (old != nullptr) FreePrinterItem(old);
  return true;
}

void ReplaceItem(int index, const PrinterRecord& record, const ItemStatus* status) {
  if (SwapItem(index, record)) SetCells(index, record, status);
}

void UpdateItemRecord(int index, const PrinterRecord& record) {
  if (!SwapItem(index, record)) return;
  const auto& columns = Columns();
  for (std::size_t sub = 0; sub < columns.size(); ++sub) {
    if (columns[sub] == ListColumn::Status || columns[sub] == ListColumn::Netnum) continue;
    SetCell(index, static_cast<int>(sub), ColumnText(record, columns[sub], nullptr));
  }
}

void RenameItem(int index, const char* typed) {
  PrinterRecord record{};
  if (!ItemRecord(index, record)) return;
  CopyBoundedText(record.name, CutShiftJis(typed, sizeof record.name - 1).c_str());
  if (SwapItem(index, record)) SetCell(index, 0, record.name);
}

int SelectedItem() { return ListView_GetNextItem(View().list, -1, LVNI_SELECTED); }

void DeleteItem(int index) {
  LPITEMIDLIST pidl = ItemParam(index);
  if (!ListView_DeleteItem(View().list, index)) return;
  FreePrinterItem(pidl);
}

void SortByColumn(int subItem) {
  const auto& columns = Columns();
  if (subItem < 0 || static_cast<std::size_t>(subItem) >= columns.size()) return;
  View().sort = ClickColumn(View().sort, columns[subItem]);
  ListView_SortItems(View().list, CompareItems, 0);
}

std::vector<PrinterRecord> ListRecords() {
  std::vector<PrinterRecord> records;
  const int count = ListView_GetItemCount(View().list);
  for (int i = 0; i < count; ++i) {
    PrinterRecord record{};
    if (ItemRecord(i, record)) records.push_back(record);
  }
  return records;
}

void FreeItems() {
  if (View().list == nullptr) return;
  const int count = ListView_GetItemCount(View().list);
  for (int i = 0; i < count; ++i) {
    if (LPITEMIDLIST pidl = ItemParam(i)) FreePrinterItem(pidl);
  }
  ListView_DeleteAllItems(View().list);
  ImageList_RemoveAll(ListView_GetImageList(View().list, LVSIL_NORMAL));
  ImageList_RemoveAll(ListView_GetImageList(View().list, LVSIL_SMALL));
}

void DestroyListContents() {
  FreeItems();
  ImageList_Destroy(ListView_GetImageList(View().list, LVSIL_NORMAL));
  ImageList_Destroy(ListView_GetImageList(View().list, LVSIL_SMALL));
}

void SetViewMode(int command) {
  DWORD type = LVS_ICON;
  if (command == kCommandSmallIcons) type = LVS_SMALLICON;
  if (command == kCommandList) type = LVS_LIST;
  if (command == kCommandDetails) type = LVS_REPORT;
  const LONG style = GetWindowLongA(View().list, GWL_STYLE);
  SetWindowLongA(View().list, GWL_STYLE, (style & ~LVS_TYPEMASK) | type);
}

}  // namespace nic::view
