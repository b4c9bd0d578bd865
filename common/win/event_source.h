#pragma once
// A registered event-log source, deregistered with the owner.

#include <windows.h>

class EventSource {
 public:
  explicit EventSource(const char* name) : handle_(RegisterEventSourceA(nullptr, name)) {}
  ~EventSource() {
    if (handle_ != nullptr) DeregisterEventSource(handle_);
  }
  EventSource(const EventSource&) = delete;
  EventSource& operator=(const EventSource&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_;
};
