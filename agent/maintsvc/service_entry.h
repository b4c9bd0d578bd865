#pragma once
// The program as the service control manager starts it.

namespace maintsvc {

// Hands the main thread to the service control dispatcher until the
// service has stopped; outside the manager this fails at once, which goes
// to the event log.
void RunDispatcher();

}  // namespace maintsvc
