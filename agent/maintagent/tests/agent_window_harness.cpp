#include "agent/maintagent/tests/agent_window_harness.h"

#include "agent/maintagent/agent_window.h"

namespace {

WNDCLASSA AgentClass() {
  WNDCLASSA description{};
  description.lpfnWndProc = maintagent::AgentWindowProc;
  description.hInstance = GetModuleHandleA(nullptr);
  description.lpszClassName = maintagent::kWindowClass;
  return description;
}

}  // namespace

AgentWindowHarness::AgentWindowHarness()
    : class_(AgentClass()),
      window_(CreateWindowA(maintagent::kWindowClass, maintagent::kWindowTitle, WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr)) {}

AgentWindowHarness::~AgentWindowHarness() {
  if (!alive()) return;
  DestroyWindow(window_);
  // Its quit message must not reach the next test.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

AgentWindowHarness::Received AgentWindowHarness::Pump(
    DWORD ms, const std::function<void(UINT_PTR)>& beforeTimer) {
  Received received;
  const DWORD started = GetTickCount();
  for (DWORD passed = 0; passed < ms; passed = GetTickCount() - started) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        received.quit = true;
        received.quitCode = message.wParam;
        return received;
      }
      if (message.message == WM_TIMER && message.hwnd == window_) {
        received.timers.push_back(message.wParam);
        if (beforeTimer) beforeTimer(message.wParam);
      }
      DispatchMessageA(&message);
    }
  }
  return received;
}
