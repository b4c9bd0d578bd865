#include "agent/maintsvc/status_report.h"

#include <mutex>

#include "agent/maintsvc/debug_mode.h"
#include "agent/maintsvc/event_log.h"

namespace maintsvc {
namespace {

// The control handler (dispatcher thread) and the work (service thread)
// both report.
std::mutex reportLock;
SERVICE_STATUS_HANDLE statusHandle = nullptr;
StatusSequence sequence;

bool Settled(DWORD state) { return state == SERVICE_RUNNING || state == SERVICE_STOPPED; }

}  // namespace

SERVICE_STATUS StatusSequence::Next(DWORD state, DWORD exitCode, DWORD waitHint) {
  state_ = state;
  SERVICE_STATUS status{};
  status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  status.dwCurrentState = state;
  status.dwControlsAccepted = state == SERVICE_START_PENDING ? 0 : SERVICE_ACCEPT_STOP;
  status.dwWin32ExitCode = exitCode;
  status.dwCheckPoint = Settled(state) ? 0 : counter_++;
  status.dwWaitHint = waitHint;
  return status;
}

void SetStatusHandle(SERVICE_STATUS_HANDLE handle) {
  const std::lock_guard lock(reportLock);
  statusHandle = handle;
}

bool ReportStatus(DWORD state, DWORD exitCode, DWORD waitHint) {
  if (Debugging()) return true;
  const std::lock_guard lock(reportLock);
  SERVICE_STATUS status = sequence.Next(state, exitCode, waitHint);
  if (SetServiceStatus(statusHandle, &status)) return true;
  LogServiceError("SetServiceStatus");
  return false;
}

void ReportCurrentStatus() {
  DWORD state;
  {
    const std::lock_guard lock(reportLock);
    state = sequence.state();
  }
  ReportStatus(state);
}

}  // namespace maintsvc
