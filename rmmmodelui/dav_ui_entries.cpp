// rmmmodelui: the model's alarm settings pages. The mail settings UI loads
// it by the path stored for the printer's model, registers its column
// callback and shows the sheet for one printer.
#include <windows.h>

#include <memory>
#include <new>

#include "common/bounded_text.h"
#include "common/dav_ui_entries.h"
#include "common/win/entry_guard.h"
#include "rmmmodelui/alarm_sheet.h"
#include "rmmmodelui/column_callback.h"

extern "C" __declspec(dllexport) int WINAPI UpdateColumnCall(DavColumnCallback callback, int /*unused*/) {
  rmmui::StoreColumnCallback(callback);
  return 1;
}

extern "C" __declspec(dllexport) int WINAPI DavUiDllMain(const char* printer, int item, HWND titleWindow) {
  return GuardedEntry(0, [&] {
    std::unique_ptr<rmmui::AlarmSheetRecord> record(new (std::nothrow) rmmui::AlarmSheetRecord);
    if (!record) return 0;
    record->item = item;
    CopyBoundedText(record->printer, printer != nullptr ? printer : "");
    record->titleWindow = titleWindow;
    rmmui::ShowAlarmSheet(*record);
    return 1;
  });
}
