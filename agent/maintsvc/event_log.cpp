#include "agent/maintsvc/event_log.h"

#include <atomic>
#include <cstdio>

#include "agent/maintsvc/debug_mode.h"
#include "agent/maintsvc/identity.h"
#include "common/win/event_source.h"

namespace maintsvc {
namespace {

std::atomic<DWORD> lastLoggedError{0};

}  // namespace

void LogServiceError(const char* failedCall) {
  if (Debugging()) return;
  const DWORD error = GetLastError();
  lastLoggedError = error;
  char summary[64];
  std::snprintf(summary, sizeof summary, "%s error: %d", kServiceName, static_cast<int>(error));
  const char* strings[] = {summary, failedCall};
  const EventSource source(RegisterEventSourceA(nullptr, kServiceName));
  if (!source) return;
  ReportEventA(source.get(), EVENTLOG_ERROR_TYPE, 0, 0, nullptr, 2, 0, strings, nullptr);
}

DWORD LastLoggedError() { return lastLoggedError; }

}  // namespace maintsvc
