#pragma once
// Rows of plain texts in a report list view, and its columns: what the
// dialogs that only show texts in a list need of it (ANSI texts).

#include <windows.h>

#include <initializer_list>
#include <span>

// A column at `index`; a null header leaves it without text.
void AddListColumn(HWND list, int index, const char* header, int width);

// A row at the end, one text a column; its index, -1 when it could not be
// added.
int AddListRow(HWND list, std::span<const char* const> cells);
inline int AddListRow(HWND list, std::initializer_list<const char*> cells) {
  return AddListRow(list, std::span<const char* const>(cells.begin(), cells.size()));
}
