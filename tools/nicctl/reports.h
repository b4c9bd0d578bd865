#pragma once
// What nicctl prints, as Shift_JIS text (converted for the terminal when
// written).

#include <string>
#include <vector>

#include "nicconf/exchange/nic_search.h"
#include "nicconf/exchange/status_poll.h"

std::string SearchReport(const std::vector<nic::FoundNic>& found);
std::string StatusReport(const std::vector<nic::PolledPrinter>& printers);
