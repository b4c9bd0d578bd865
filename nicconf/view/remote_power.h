#pragma once
// Remote power on and off from the view: the listed remote-power printers
// asked in turn, the dialog that chooses among those that qualify, the
// wake-up packets, and the power-off of one printer after its NIC's checks
// and the user's yes.

#include <windows.h>

#include "nicconf/view/core/remote_power.h"
#include "nicproto/printer_record.h"

namespace nic::view {

// Commands 293 and 294.
void RunRemotePower(PowerDirection direction);

// From the dialog and the status dialog's OFF button: TCP/IP printers only.
void PowerOffPrinter(HWND owner, const PrinterRecord& printer);

}  // namespace nic::view
