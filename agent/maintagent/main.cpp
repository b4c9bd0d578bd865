// maintagent: the maintenance agent for the Windows 95 line, a hidden
// window that polls on its timers. One instance only; it registers itself
// as a service process so that logging off does not end it.
#include <windows.h>

#include "agent/maintagent/agent_window.h"
#include "agent/maintagent/startup_exports.h"
#include "common/win/entry_guard.h"
#include "common/win/library.h"
#include "common/win/window.h"

namespace {

using RegisterServiceProcessFunction = DWORD(WINAPI*)(DWORD, DWORD);
constexpr DWORD kServiceProcess = 1;

bool RegisteredAsServiceProcess() {
  const Library kernel(LoadLibraryA("KERNEL32.DLL"));
  const auto enroll = kernel.Find<RegisterServiceProcessFunction>("RegisterServiceProcess");
  return enroll != nullptr && enroll(GetCurrentProcessId(), kServiceProcess) != 0;
}

WNDCLASSA AgentClass(HINSTANCE instance) {
  WNDCLASSA description{};
  description.lpfnWndProc = maintagent::AgentWindowProc;
  description.hInstance = instance;
  description.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  description.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  description.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  description.lpszClassName = maintagent::kWindowClass;
  return description;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int Run(HINSTANCE instance) {
  if (FindWindowA(maintagent::kWindowClass, maintagent::kWindowTitle) != nullptr) return 0;
  WaitForSDB();
  if (!RegisteredAsServiceProcess()) return 0;
  const WindowClass registered(AgentClass(instance));
  if (!registered) return 0;
  const HWND window = CreateWindowA(maintagent::kWindowClass, maintagent::kWindowTitle,
                                    WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 0;
  ShowWindow(window, SW_HIDE);
  return RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return GuardedEntry(0, [&] { return Run(instance); });
}
