#pragma once
// maintagent's hidden window: every poll runs inside its timer message, so
// polls never overlap.

#include <windows.h>

namespace maintagent {

inline constexpr char kWindowClass[] = "DAV95WndClass";
inline constexpr char kWindowTitle[] = "maintagent";

LRESULT CALLBACK AgentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace maintagent
