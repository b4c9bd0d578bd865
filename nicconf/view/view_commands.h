#pragma once
// The commands the view window carries out, from its menus, the browser's
// toolbar and its keys.

#include <windows.h>

namespace nic::view {

void RunCommand(int command, LPARAM detail);

// The status dialog of the list item, over the view.
void ShowItemStatus(int index);

}  // namespace nic::view
