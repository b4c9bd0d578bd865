#pragma once
// A dialog control's text in the ANSI code page, whole or as a fixed room
// would take it: cut before the character that would not fit with its
// terminator, so a double-byte character is never split.

#include <windows.h>

#include <cstddef>
#include <string>

std::string ItemText(HWND dialog, int control);
std::string ItemText(HWND dialog, int control, std::size_t room);
