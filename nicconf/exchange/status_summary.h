#pragma once
// What a decoded status text gives a printer's status summary: the model,
// the alarm words, the family, the paper source and the picture flags. The
// status poll over UDP takes it as it stands; the IPX jobs take it and then
// apply their own paper-source rules.

#include "nicconf/exchange/status_poll.h"
#include "nicproto/status_text.h"

namespace nic {

// Sets statusReceived and every field the status text decides; the NIC's
// fields (attrReceived, printActivity, portStatus) are left as they are.
void TakeStatusSummary(const StatusRecord& status, PrinterPictureInfo& info);

}  // namespace nic
