#pragma once
// The columns of the printer list: which are shown, what each shows of a
// record, and how a click on one orders the list.

#include <string>
#include <vector>

#include "nicconf/folder/core/view_settings.h"
#include "nicproto/printer_record.h"

namespace nic {

// Each column's number is the string id of its header.
enum class ListColumn {
  Name = 500,
  Model = 501,
  Mac = 502,
  Ip = 503,
  Netnum = 504,
  Version = 505,
  Status = 506,
};

// In their fixed order, each when its flag is set. The name always comes
// first: it is the item's own text, which a list view shows in its first
// column whatever that column is called.
std::vector<ListColumn> ShownColumns(const ViewSettings& settings);

inline constexpr char kNotYet[] = "-----";

// What the last refresh said of an item beyond its record: the status
// column's title, and for a NetWare printer whose reply was not a complete
// status that its network number is shown as "-----" (the record keeps it,
// since it is where the printer is asked next time).
struct ItemStatus {
  std::string title;
  bool networkHidden = false;
};

// What the column shows for the record; `status` is null before the first
// refresh (the status column then shows "-----").
std::string ColumnText(const PrinterRecord& record, ListColumn column, const ItemStatus* status);

// Ascending order by one column: texts without regard to case, the MAC by
// its hex digits, the IP address by its numbers. The status column orders
// by the state tag.
int CompareByColumn(const PrinterRecord& a, const PrinterRecord& b, ListColumn column);

// The sort a column click leaves: the same column again reverses the
// direction, another sorts ascending by it.
struct ListSort {
  ListColumn column = ListColumn::Name;
  int direction = 0;  // 0: never sorted, +1 ascending, -1 descending
};
ListSort ClickColumn(ListSort current, ListColumn clicked);

}  // namespace nic
