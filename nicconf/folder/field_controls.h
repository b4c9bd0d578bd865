#pragma once
// The folder's three edit fields as window classes dialogs name:
// "IPAddress", "MACAddress" and "Number". Each is a frame that owns one edit
// child per part and draws the separators between them.

#include <windows.h>

// The frame's own messages.
inline constexpr UINT kFieldValidate = WM_USER + 1;  // wParam 1: report what is wrong; returns 1 if valid
inline constexpr UINT kFieldSetRange = WM_USER + 2;  // wParam part, lParam range (minimum | maximum << 16)
inline constexpr UINT kFieldSetFont = WM_USER + 3;   // wParam the font

inline constexpr char kRangeProperty[] = "Range Property";

// At process attach: the three classes. At detach: the classes go and the
// records of every frame still open are freed.
bool RegisterFieldClasses(HINSTANCE instance);
void UnregisterFieldClasses();
