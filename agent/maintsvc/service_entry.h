#pragma once
// maintsvc as the service control manager runs it: the dispatcher, the
// service's main entry and its control handler. Nothing either entry does
// leaves it as an exception.

#include <windows.h>

namespace maintsvc {

// Hands the main thread to the service control dispatcher until the
// service has stopped; outside the manager this fails at once, which goes
// to the event log.
void RunDispatcher();

// What the service's main entry asks of the service control manager.
struct ServiceCalls {
  void* context;
  SERVICE_STATUS_HANDLE (*registerHandler)(void* context, const char* serviceName,
                                           LPHANDLER_FUNCTION handler);
};

// The service's main entry with these calls: registers the control handler,
// does the agent's work, reports the end.
void RunService(const ServiceCalls& calls);

}  // namespace maintsvc
