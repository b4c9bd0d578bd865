#pragma once
// The agent's work: poll, wait the poll interval, poll again, until stopped
// or until the interval says no further poll; a test mail whenever another
// program asks for one. Runs on the service's main thread (or the console's
// when debugging).

namespace maintsvc {

void RunAgentWork();

// Ends the work at its next wait; a poll in progress runs to its end. From
// the control handlers' threads. Lost when the work is not waiting yet.
void RequestStop();

}  // namespace maintsvc
