#pragma once
// maintagent's window procedure behind a window of the test's own thread,
// created as the program creates its window, and the messages that thread
// then receives.

#include <windows.h>

#include <functional>
#include <vector>

#include "common/win/window.h"

// The private message with which the agent closes itself.
inline constexpr UINT kCloseAgent = WM_USER + 1;
inline constexpr UINT_PTR kFirstPollTimer = 1;
inline constexpr UINT_PTR kNextPollTimer = 2;

class AgentWindowHarness {
 public:
  AgentWindowHarness();
  ~AgentWindowHarness();
  AgentWindowHarness(const AgentWindowHarness&) = delete;
  AgentWindowHarness& operator=(const AgentWindowHarness&) = delete;

  HWND window() const { return window_; }
  bool alive() const { return IsWindow(window_) != FALSE; }

  // The poll the first timer would start a minute after creation.
  void FirstTimerFires() { SendMessageA(window_, WM_TIMER, kFirstPollTimer, 0); }

  struct Received {
    std::vector<UINT_PTR> timers;  // ids of the timer messages, in order
    bool quit = false;
    WPARAM quitCode = 0;
  };
  // Dispatches the thread's messages for `ms`, or until the quit message.
  // `beforeTimer` sees each timer message before the window does.
  Received Pump(DWORD ms, const std::function<void(UINT_PTR)>& beforeTimer = {});

 private:
  WindowClass class_;
  HWND window_;
};
