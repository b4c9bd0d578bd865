#pragma once
// The list control of the view: its columns, its items (each holding its
// printer item from the shell allocator as parameter) and their order.

#include <windows.h>

#include <vector>

#include "nicconf/view/core/list_columns.h"
#include "nicproto/printer_record.h"

namespace nic::view {

// Creates the list inside `parent` in the folder's view mode, with its image
// lists and the shown columns.
HWND CreateList(HWND parent, UINT viewMode);

// Fills the list from the folder's enumerator. False when the list file is
// missing or empty (the caller offers the registration).
bool FillList();

// Deletes and re-adds the columns for the current settings, rewriting every
// row with the status "-----".
void RebuildColumns();
// Every column as wide as the list's client width shared among them.
void SpreadColumns();

bool ItemRecord(int index, PrinterRecord& record);
// A new item at the end of the list for a newly registered printer; its
// status column shows "-----" until the next refresh.
bool AppendItem(const PrinterRecord& record);
// A new printer item from `record` in place of the item's old one (freed),
// its texts and its icon; `status` is the status column's, null for "-----".
void ReplaceItem(int index, const PrinterRecord& record, const ItemStatus* status);

// The item's record as a setting sheet left it: its status and network
// cells keep what the last refresh showed.
void UpdateItemRecord(int index, const PrinterRecord& record);

// The item under its new name (at most 64 bytes, no character cut in
// half); its other cells stay as they are.
void RenameItem(int index, const char* typed);

// The selected item, -1 when none.
int SelectedItem();

// The item leaves the list (and the list file at its next save).
void DeleteItem(int index);

// Sorts by the clicked column as the view's sort state says.
void SortByColumn(int subItem);

// The records in list order, and every item freed through the shell
// allocator (the list is then empty).
std::vector<PrinterRecord> ListRecords();
void FreeItems();
// Every item freed and the image lists, which the list shares, destroyed.
void DestroyListContents();

void SetViewMode(int command);

}  // namespace nic::view
