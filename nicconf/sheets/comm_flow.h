#pragma once
// The communication flow: every exchange the folder's windows start with one
// printer runs inside a small modal wait dialog (126). The flow checks that
// the printer's transport can be used, learns the local host address once
// (an asynchronous look-up the dialog hears as message 1026, given up after
// 30 seconds), starts the exchange on the exchange workers and polls it from
// a timer every 100 ms, so the owner's thread is never blocked. The dialog
// stays hidden for the first six polls: a quick answer shows no window.
// Its end is told as the messages of the caller's use.

#include <windows.h>

#include <memory>
#include <string>

#include "nicconf/exchange/nic_transaction.h"
#include "nicproto/command_slot.h"
#include "nicproto/printer_record.h"

namespace nic::sheets {

enum class FlowUse {
  ReadRetry,  // the sheet's reads: Retry/Cancel on failure
  ReadOnce,   // the status dialog and the power candidates: one try
  Write,      // the sheet's write: cannot be cancelled, Retry/Cancel on failure
  PowerOff,   // command 16, as a write
  LocalAddress,  // only the local host address, for the wizard's searches
};

struct FlowJob {
  FlowUse use = FlowUse::ReadRetry;
  PrinterRecord printer{};
  // Read: command 2 when given. Write: command 1 with the changed items, or
  // command 16 for a power-off.
  const CommandSlotList* slots = nullptr;
  // Write of an attribute NIC: the set request (and the extended one when
  // its flag is set).
  const TransactionBlock* request = nullptr;
  // Read once for the power candidates: also give up after the busy
  // time-out's seconds of polling, and show no failure.
  bool candidateScan = false;
  std::uint32_t busyTimeoutSeconds = 1;
};

struct FlowOutcome {
  bool done = false;       // read or written
  bool cancelled = false;  // by the user; nothing was shown
  TransactionBlock block;  // what was read (or confirmed)
  std::unique_ptr<CommandSlotList> slots;  // the answered command slots
  bool usedArpPath = false;
  std::string otherName;  // another printer answered at the address
};

// Runs the flow for `job` over `owner` (disabled meanwhile) and shows what
// its end calls for; for the retrying uses Retry starts it again. True when
// the exchange did what the use asks.
bool RunFlow(HWND owner, const FlowJob& job, FlowOutcome& outcome);

// The local host address the flows keep for the module's life: "" until
// looked up, "Invalid" after a failed look-up (every later TCP/IP flow then
// refuses to start).
const std::string& FlowLocalAddress();

// Looks the local host address up through the flow when it is still
// unknown; a failure only marks it "Invalid", without a message. True when
// a valid address is known.
bool LearnLocalAddress(HWND owner);

}  // namespace nic::sheets
