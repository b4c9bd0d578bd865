#pragma once
// The sheet "メール通知の設定": the workstation's mail sender, server,
// subject, default recipients and signature lines.

#include <windows.h>

namespace maintui {

// Shows the sheet modally over `owner` (may be null; the sheet then appears
// centred over `placeOver`, or the screen) and returns once it is closed.
void ShowMailSettingsSheet(HWND owner, HWND placeOver = nullptr);

}  // namespace maintui
