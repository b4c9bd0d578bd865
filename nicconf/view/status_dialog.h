#pragma once
// One printer's status with its picture (dialog 110), opened from the view.
// The NIC is read once through the communication flow first; a read the user
// cancels opens nothing. While the dialog is open the view's refresh goes on
// and tells it each new status of its printer.

#include <windows.h>

#include "nicconf/exchange/status_poll.h"
#include "nicproto/printer_record.h"

namespace nic::view {

// Sent by the refresh to the open dialog; lParam: the PrinterPictureInfo.
inline constexpr UINT kNewStatusMessage = 9110;

void OpenStatusDialog(HWND owner, const PrinterRecord& record);

// The refresh's news of the printer with this MAC, for the open dialog when
// it shows that printer.
void TellStatusDialog(const char* mac, const PrinterPictureInfo& status);

}  // namespace nic::view
