#pragma once
// The sheet "メール通知の設定": the workstation's mail sender, server,
// subject, default recipients and signature lines.

#include <windows.h>

namespace maintui {

// Shows the sheet modally over `owner` (may be null) and returns once it
// is closed.
void ShowMailSettingsSheet(HWND owner);

}  // namespace maintui
