#pragma once
// The printer registration wizard: finds printer NICs on the network, or
// takes one typed in by address and MAC, and returns the new printers for
// the folder's list. Its searches run on the exchange workers and are
// polled from the page's timer, so the owner's thread never waits.

#include <windows.h>

#include <span>
#include <vector>

#include "nicproto/printer_record.h"

namespace nic::wizard {

// At most `room` new printers, none of them in `listed`; nothing when the
// wizard is cancelled or no transport can be used.
std::vector<PrinterRecord> RunRegistrationWizard(HWND owner, int room, std::span<const PrinterRecord> listed);

}  // namespace nic::wizard
