#pragma once
// "通知設定の確認": what a notice of the page will carry, from the stored
// values, in a resizable window.

#include <windows.h>

#include "rmmmodelui/alarm_sheet.h"
#include "rmmmodelui/core/alarm_pages.h"

namespace rmmui {

void ShowAlarmPreview(HWND owner, AlarmPage page, AlarmSheetRecord& record);

}  // namespace rmmui
