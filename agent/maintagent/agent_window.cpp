#include "agent/maintagent/agent_window.h"

#include "agent/poll_cycle.h"
#include "common/win/entry_guard.h"

namespace maintagent {
namespace {

constexpr UINT_PTR kFirstPollTimer = 1;
constexpr UINT_PTR kNextPollTimer = 2;
constexpr UINT kFirstPollMs = 60000;
// Closes the agent from inside: TCP/IP missing, or a poll that failed.
constexpr UINT kCloseAgent = WM_USER + 1;

void OnCreate(HWND window) {
  if (TcpIpInstalled()) {
    SetTimer(window, kFirstPollTimer, kFirstPollMs, nullptr);
    return;
  }
  agent::LogAgentError(agent::kTcpIpMissingMessage);
  PostMessageA(window, kCloseAgent, 0, 0);
}

// The background agent takes its resources for each poll; not getting them
// fails the poll, printers that cannot be listed do not.
bool PollOnce() {
  agent::PollResources resources;
  if (!resources.Prepare(agent::AgentKind::Background)) return false;
  agent::RunPoll(resources);
  return true;
}

// An interval of 0 starts no timer: the agent idles until it is closed.
void OnTimer(HWND window, UINT_PTR timer) {
  KillTimer(window, timer);
  if (!PollOnce()) PostMessageA(window, kCloseAgent, 0, 0);
  const DWORD interval = agent::ReadPollInterval(agent::AgentKind::Background);
  if (interval != 0) SetTimer(window, kNextPollTimer, interval, nullptr);
}

LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_TIMER:
      OnTimer(window, wParam);
      return 0;
    case WM_CLOSE:
    case kCloseAgent:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kFirstPollTimer);
      KillTimer(window, kNextPollTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK AgentWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedEntry<LRESULT>(0, [&] { return Handle(window, message, wParam, lParam); });
}

}  // namespace maintagent
