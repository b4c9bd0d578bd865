#pragma once
// A registered window class, unregistered with the owner (after its last
// window is gone).

#include <windows.h>

class WindowClass {
 public:
  explicit WindowClass(const WNDCLASSA& description)
      : name_(description.lpszClassName),
        instance_(description.hInstance),
        registered_(RegisterClassA(&description) != 0) {}
  ~WindowClass() {
    if (registered_) UnregisterClassA(name_, instance_);
  }
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  explicit operator bool() const { return registered_; }

 private:
  const char* name_;
  HINSTANCE instance_;
  bool registered_;
};
