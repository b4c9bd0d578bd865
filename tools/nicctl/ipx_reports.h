#pragma once
// What nicctl prints of NetWare printers found or polled over IPX, in the
// TCP/IP reports' columns with the network number in front.

#include <string>
#include <vector>

#include "nicconf/exchange/status_poll.h"
#include "nicconf/ipx/core/ipx_job.h"

// A network number as typed ("1a") in the reports' form ("0000001A").
std::string NetworkText(const std::string& typed);

std::string IpxSearchReport(const nic::ipx::ResultList& found);

// A polled printer's record as the status report shows it; the network
// stands where the IP address does for TCP/IP. A printer that did not answer
// ends "no answer within the time-out".
nic::PolledPrinter PolledFromIpx(const nic::ipx::Result& result);
