#include "agent/maintsvc/service_entry.h"

#include <windows.h>

#include "agent/maintsvc/agent_work.h"
#include "common/win/entry_guard.h"
#include "agent/maintsvc/event_log.h"
#include "agent/maintsvc/identity.h"
#include "agent/maintsvc/status_report.h"

namespace maintsvc {
namespace {

// On the dispatcher's thread: only reports and signals, never waits.
void WINAPI ControlHandler(DWORD control) {
  GuardedEntry([&] {
    if (control != SERVICE_CONTROL_STOP) {
      ReportCurrentStatus();
      return;
    }
    ReportStatus(SERVICE_STOP_PENDING);
    RequestStop();
  });
}

SERVICE_STATUS_HANDLE RegisterHandler(void*, const char* serviceName, LPHANDLER_FUNCTION handler) {
  return RegisterServiceCtrlHandlerA(serviceName, handler);
}

void WINAPI ServiceMain(DWORD, char**) { RunService({nullptr, RegisterHandler}); }

}  // namespace

void RunService(const ServiceCalls& calls) {
  GuardedEntry([&] {
    const SERVICE_STATUS_HANDLE handle =
        calls.registerHandler(calls.context, kServiceName, ControlHandler);
    if (handle == nullptr) return;
    SetStatusHandle(handle);
    if (ReportStatus(SERVICE_START_PENDING, NO_ERROR, kStartWaitHint)) RunAgentWork();
    ReportStatus(SERVICE_STOPPED, LastLoggedError());
  });
}

void RunDispatcher() {
  char name[sizeof kServiceName];
  lstrcpyA(name, kServiceName);
  const SERVICE_TABLE_ENTRYA table[] = {{name, ServiceMain}, {nullptr, nullptr}};
  if (!StartServiceCtrlDispatcherA(table)) LogServiceError("StartServiceCtrlDispatcher failed.");
}

}  // namespace maintsvc
