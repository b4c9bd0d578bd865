#pragma once
// Collated copies on the 95 line: the first bytes of a job are held until
// its start can be examined; a job that starts with the driver's header and
// both marker records keeps its page data in a temporary store, and at its
// end the monitor sends the prologue, the records once per copy and the
// closing block. Other jobs go straight to the printer.

#include <cstdint>
#include <span>

#include "portmon/core/job_transmission.h"
#include "portmon/core/net_port.h"

namespace portmon {

// Clears what a previous job left and starts holding the first bytes.
void StartCollation(NetPort& port);

JobResult CollatingWrite(const JobContext& context, NetPort& port,
                         std::span<const std::uint8_t> data, std::uint32_t& written);

// At the end of a job: reports a store that could not be made, sends the
// collated job unless it was cancelled, and removes the store.
void FinishCollation(const JobContext& context, NetPort& port);

}  // namespace portmon
