#pragma once
// The sheet "アラームの発信設定" for one printer: the toner page and the
// maintenance page over one record, shared with the preview.

#include <windows.h>

namespace rmmui {

// One per sheet, shared by both pages and the preview.
struct AlarmSheetRecord {
  int item = 0;               // handed back to the column callback
  DWORD notify = 0;           // "DAV_CHECKMAIL" as loaded, then as ticked
  DWORD previewSelector = 0;  // 0x10 toner notice, 0x100 maintenance notice
  char printer[256] = {};
  HWND titleWindow = nullptr;  // the caller's, else the sheet itself
};

// Shows the sheet modally and returns once it is closed.
void ShowAlarmSheet(AlarmSheetRecord& record);

}  // namespace rmmui
