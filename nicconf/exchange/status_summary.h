#pragma once
// What a decoded status text gives a printer's status summary: the model,
// the alarm words, the family, the paper source and the picture flags. The
// status poll over UDP takes it as it stands; the IPX jobs take it and then
// apply their own paper-source rules.

#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/exchange/status_poll.h"
#include "nicproto/status_text.h"

namespace nic {

// Sets statusReceived and every field the status text decides; the NIC's
// fields (attrReceived, printActivity, portStatus) are left as they are.
void TakeStatusSummary(const StatusRecord& status, PrinterPictureInfo& info);

// What one read of a NIC gives the picture and the state: the print
// activity and port status of its attribute reply, and the status text's
// summary when one came (family -1 without one).
PrinterPictureInfo SummaryOfRead(const TransactionBlock& block);

// A printer's list item learns from a read what its NIC reported: the
// model, the firmware version and, with a status text, the state.
void RefreshRecordFromRead(PrinterRecord& printer, const TransactionBlock& block,
                           const PrinterPictureInfo& summary);

}  // namespace nic
