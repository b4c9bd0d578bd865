#pragma once
// A window that is destroyed with the owner, a registered window class
// (unregistered with the owner, after its last window is gone), and a
// windows hook.

#include <windows.h>

#include "common/win/owner.h"

struct WindowKind {
  using Handle = HWND;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle window) noexcept { DestroyWindow(window); }
};
using Window = Owner<WindowKind>;

struct HookKind {
  using Handle = HHOOK;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle hook) noexcept { UnhookWindowsHookEx(hook); }
};
using WindowsHook = Owner<HookKind>;

class WindowClass {
 public:
  explicit WindowClass(const WNDCLASSA& description)
      : name_(description.lpszClassName),
        instance_(description.hInstance),
        registered_(RegisterClassA(&description) != 0) {}
  explicit WindowClass(const WNDCLASSW& description)
      : wideName_(description.lpszClassName),
        instance_(description.hInstance),
        registered_(RegisterClassW(&description) != 0) {}
  ~WindowClass() {
    if (!registered_) return;
    if (name_ != nullptr) {
      UnregisterClassA(name_, instance_);
    } else {
      UnregisterClassW(wideName_, instance_);
    }
  }
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  explicit operator bool() const { return registered_; }

 private:
  const char* name_ = nullptr;
  const wchar_t* wideName_ = nullptr;
  HINSTANCE instance_;
  bool registered_;
};
