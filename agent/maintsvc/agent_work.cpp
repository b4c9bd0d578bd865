#include "agent/maintsvc/agent_work.h"

#include <windows.h>

#include <mutex>

#include "agent/maintsvc/identity.h"
#include "agent/maintsvc/status_report.h"
#include "agent/maintsvc/test_mail_event.h"
#include "agent/poll_cycle.h"
#include "common/win/kernel_handle.h"

namespace maintsvc {
namespace {

std::mutex stopLock;
HANDLE publishedStop = nullptr;

// The stop event, visible to RequestStop for as long as it is open.
class StopEvent {
 public:
  StopEvent() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    const std::lock_guard lock(stopLock);
    publishedStop = event_.get();
  }
  ~StopEvent() {
    const std::lock_guard lock(stopLock);
    publishedStop = nullptr;
  }
  StopEvent(const StopEvent&) = delete;
  StopEvent& operator=(const StopEvent&) = delete;

  HANDLE get() const { return event_.get(); }
  explicit operator bool() const { return static_cast<bool>(event_); }

 private:
  KernelHandle event_;
};

// Returns when stopped or when the work must end. A test-mail request that
// comes during a poll is still signalled at the next wait, which then
// returns at once.
void PollUntilStopped(agent::PollResources& resources, HANDLE stop, HANDLE testMail) {
  const HANDLE events[] = {stop, testMail};
  bool testMailAsked = false;
  for (;;) {
    if (testMailAsked) {
      if (!agent::SendTestMail()) return;
      ResetEvent(testMail);
    } else if (agent::RunPoll(resources) == agent::PollOutcome::PrintersNotListed) {
      return;
    }
    const DWORD interval = agent::ReadPollInterval(agent::AgentKind::Service);
    if (interval == 0) return;
    const DWORD woken = WaitForMultipleObjects(2, events, FALSE, interval);
    if (woken == WAIT_OBJECT_0) return;
    testMailAsked = woken == WAIT_OBJECT_0 + 1;
  }
}

}  // namespace

void RunAgentWork() {
  if (!TcpIpInstalled()) {
    agent::LogAgentError(agent::kTcpIpMissingMessage);
    return;
  }
  if (!ReportStatus(SERVICE_START_PENDING, NO_ERROR, kStartWaitHint)) return;
  const StopEvent stop;
  const KernelHandle testMail = CreateTestMailEvent();
  // Without a stop event every wait would fail at once and the polls would
  // follow each other without pause.
  if (!stop || !testMail) return;
  if (!ReportStatus(SERVICE_RUNNING)) return;
  agent::PollResources resources;
  if (!resources.Prepare(agent::AgentKind::Service)) return;
  PollUntilStopped(resources, stop.get(), testMail.get());
}

void RequestStop() {
  const std::lock_guard lock(stopLock);
  if (publishedStop != nullptr) SetEvent(publishedStop);
}

}  // namespace maintsvc
