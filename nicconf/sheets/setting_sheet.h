#pragma once
// A printer's setting sheet, as the folder's properties command and the
// host printers' LAN board entry open it: the NIC read through the
// communication flow, the pages its reply calls for, and on OK the write of
// what changed.

#include <windows.h>

#include <cstdint>

#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/exchange/status_poll.h"
#include "nicconf/sheets/core/nic_settings.h"
#include "nicconf/sheets/core/page_plan.h"
#include "nicproto/printer_record.h"
#include "nicproto/status_text.h"

namespace nic::sheets {

// What a read of the NIC found: its settings (configuration items too on
// TCP/IP), what they say of the NIC, its status text and what that gives.
struct NicRead {
  NicSettings image;
  NicFacts facts{};
  StatusRecord status{};
  PrinterPictureInfo summary{};  // family -1 without a status text
};

// The read with Retry/Cancel on failure, as the sheet opens with it;
// `printer` then carries the model, version and state tag reported.
bool ReadNicWithRetry(HWND owner, PrinterRecord& printer, std::uint32_t busyTimeoutSeconds, NicRead& read);

// The NIC that gave this read takes remote power commands: a command NIC
// whose description says so.
bool OffersRemotePower(const TransactionBlock& block);

// Command 16 through the power-off flow, which cannot be cancelled.
bool PowerOffNic(HWND owner, const PrinterRecord& printer, std::uint32_t busyTimeoutSeconds);

// True when something was written; `printer` then carries the new name.
// After a read `printer` carries the model, firmware version and state tag
// the NIC reported, written or not.
bool OpenSettingSheet(HWND owner, PrinterRecord& printer, std::uint32_t busyTimeoutSeconds);

}  // namespace nic::sheets
