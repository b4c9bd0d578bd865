#pragma once
// Where the view's dialogs appear: centred over the list, and kept on the
// screen's work area.

#include <windows.h>

namespace nic::view {

void CenterOver(HWND window, HWND over);

}  // namespace nic::view
