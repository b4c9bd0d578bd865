#pragma once
// What nicctl makes of the way a transaction ended.

#include <string>

#include "nicconf/exchange/end_code.h"

// "end code 7 (no answer within the time-out)", with the socket error if any.
std::string EndCodeText(const nic::ExchangeStatus& status);

// Socket trouble is the network's fault (3); everything else means the NIC
// was not reached (1).
int ExitCodeOf(const nic::ExchangeStatus& status);
