#pragma once
// The version box the add-port dialog opens.

#include <windows.h>

namespace portmon {

void RunVersionDialog(HWND owner);

}  // namespace portmon
