#include "nicconf/exchange/start_exchange.h"

#include "nicconf/exchange/network.h"
#include "nicconf/exchange/worker_table.h"

namespace nic {

// The table is checked before the thread starts, so a refused exchange never
// sends anything.
bool EnterAndStart(Exchange* exchange) {
  if (!EnterWorkerTable(exchange)) {
    ShowMessage(MessageIcon::Error, kMessageErrorTitle, kMessageUnexpectedError);
    delete exchange;
    return false;
  }
  if (!exchange->StartThread()) {
    LeaveWorkerTable(exchange);
    delete exchange;
    return false;
  }
  return true;
}

}  // namespace nic
