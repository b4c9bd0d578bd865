#pragma once
// A named mutex, created or opened, and held for the owner's life; when it
// cannot be had the owner goes on without it (`held()` tells).

#include <windows.h>

#include "common/win/kernel_handle.h"

class MutexHold {
 public:
  explicit MutexHold(const char* name) : mutex_(CreateMutexA(nullptr, FALSE, name)) {
    held_ = mutex_ && WaitForSingleObject(mutex_.get(), INFINITE) != WAIT_FAILED;
  }
  explicit MutexHold(const wchar_t* name) : mutex_(CreateMutexW(nullptr, FALSE, name)) {
    held_ = mutex_ && WaitForSingleObject(mutex_.get(), INFINITE) != WAIT_FAILED;
  }
  ~MutexHold() {
    if (held_) ReleaseMutex(mutex_.get());
  }
  MutexHold(const MutexHold&) = delete;
  MutexHold& operator=(const MutexHold&) = delete;

  bool held() const { return held_; }

 private:
  KernelHandle mutex_;
  bool held_ = false;
};
