#pragma once
// A printer's setting sheet, as the folder's properties command and the
// host printers' LAN board entry open it: the NIC read through the
// communication flow, the pages its reply calls for, and on OK the write of
// what changed.

#include <windows.h>

#include <cstdint>

#include "nicproto/printer_record.h"

namespace nic::sheets {

// True when something was written; `printer` then carries the new name.
// After a read `printer` carries the model, firmware version and state tag
// the NIC reported, written or not.
bool OpenSettingSheet(HWND owner, PrinterRecord& printer, std::uint32_t busyTimeoutSeconds);

}  // namespace nic::sheets
