#pragma once
// What one status refresh writes into a printer's list item: the state tag,
// and the model and firmware version when the reply carries them; and the
// title the status column shows.

#include <string>

#include "nicconf/exchange/status_poll.h"
#include "nicconf/view/core/list_columns.h"
#include "nicproto/printer_record.h"

namespace nic {

inline constexpr char kCannotSend[] = "通信できません";
inline constexpr char kStateNoSending[] = "<STATE_NO_SENDING>";

// A TCP/IP printer while this machine cannot use TCP/IP.
ItemStatus ApplyCannotSend(PrinterRecord& record);

// A printer's polled status (`nicStatus`: the NIC's five version bytes).
// A NetWare printer whose reply is not a complete status (no probe reply or
// no status text) shows "-----" for its model, version and network number,
// as it does for the model and version the reply leaves empty.
ItemStatus ApplyPolledStatus(PrinterRecord& record, const PrinterPictureInfo& info, const char* nicStatus,
                             bool netWare);

}  // namespace nic
