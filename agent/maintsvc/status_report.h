#pragma once
// The status the service reports to the service control manager.

#include <windows.h>

namespace maintsvc {

// Composes successive reports: the check-point is 0 in running and stopped
// reports and otherwise the next value of a counter that starts at 1 and is
// never reset; nothing is accepted while start-pending, else only stop.
class StatusSequence {
 public:
  SERVICE_STATUS Next(DWORD state, DWORD exitCode, DWORD waitHint);
  DWORD state() const { return state_; }

 private:
  DWORD state_ = SERVICE_START_PENDING;
  DWORD counter_ = 1;
};

// Takes the handle the control handler was registered with.
void SetStatusHandle(SERVICE_STATUS_HANDLE handle);

// Sends the next report; a failure goes to the event log. While debugging
// nothing is sent and the report counts as made.
bool ReportStatus(DWORD state, DWORD exitCode = NO_ERROR, DWORD waitHint = 0);

// The current state once more, as an answer to a control other than stop.
void ReportCurrentStatus();

}  // namespace maintsvc
