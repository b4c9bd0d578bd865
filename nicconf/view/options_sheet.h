#pragma once
// The view's options (command 291): the refresh cycle and the answer wait
// on one page, the optional columns on the other. OK applies them to the
// running view; Cancel leaves everything as it was.

#include <windows.h>

namespace nic::view {

void OpenOptionsSheet(HWND owner);

}  // namespace nic::view
