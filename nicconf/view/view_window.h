#pragma once
// The "ParentView" window that holds the list control inside the browser.

#include <windows.h>

namespace nic::view {

// Registers the class once and creates the window over `area` of the
// browser's window; null when either fails.
HWND CreateParentView(HWND browserWindow, const RECT& area);
// Once its window is gone: the module may be unloaded before a next view.
void UnregisterParentView();

}  // namespace nic::view
