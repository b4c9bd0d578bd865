#pragma once
// A model's own picture library, standing in for the ones printer models
// bring: it draws models whose name begins with "DRAWN" and declines the
// rest, so the folder falls back to its own picture.

#include <windows.h>

inline constexpr char kDrawnPrefix[] = "DRAWN";
inline constexpr COLORREF kGround = RGB(0x20, 0x80, 0x90);
inline constexpr POINT kGroundPoint = {5, 195};
