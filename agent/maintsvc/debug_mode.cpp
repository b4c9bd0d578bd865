#include "agent/maintsvc/debug_mode.h"

#include <windows.h>

#include <atomic>
#include <cstdio>

#include "agent/maintsvc/agent_work.h"
#include "agent/maintsvc/identity.h"

namespace maintsvc {
namespace {

std::atomic<bool> debugging{false};

// Plays the part of the service's control handler; other console events
// (close, logoff, shutdown) go on to the next handler.
BOOL WINAPI ConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  std::printf("Stopping %s.\n", kDisplayName);
  RequestStop();
  return TRUE;
}

}  // namespace

void RunInConsole() {
  debugging = true;
  std::printf("Debugging %s.\n", kDisplayName);
  SetConsoleCtrlHandler(ConsoleControl, TRUE);
  RunAgentWork();
}

bool Debugging() { return debugging; }

}  // namespace maintsvc
