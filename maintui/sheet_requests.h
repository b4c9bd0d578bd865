#pragma once
// The sheets the management window's commands open, each on a worker
// thread of its own so the window stays responsive: the mail settings
// sheet, a printer's alarm sheet from its model's pages, or the sender-data
// message and then the mail settings sheet.

#include <windows.h>

#include <string>

#include "maintui/eligible_printers.h"

namespace maintui {

enum class SheetKind { MailSettings = 1, AlarmSettings = 2, SenderIncomplete = 3 };

struct SheetRequest {
  SheetKind kind;
  std::string printer;          // AlarmSettings
  HWND refresh = nullptr;       // told when a save changed the column
  HWND title = nullptr;         // the alarm sheet's title window
  SystemKind system = SystemKind::Other;
  EligibleList printers;        // the worker's own copy
};

// Starts the request's worker; false when no thread could be had.
bool StartSheetRequest(SheetRequest request);

// The sender data ("DAV_NAME", "DAV_MAIL", "DAV_MSERVER") is all there;
// each value found is written to the debugger too.
bool SenderDataComplete();

// What the alarm pages call after each save: the list is built anew (which
// records the printers' new state), the window told to refresh, and the
// list freed again.
void WINAPI ColumnCallback(int window);

}  // namespace maintui
