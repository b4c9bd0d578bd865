#pragma once
// Where dialogs appear: centred over the window they belong to, and kept on
// the screen's work area.

#include <windows.h>

void CenterOver(HWND window, HWND over);
