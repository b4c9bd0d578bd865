#pragma once
// A start-up tuning value below "SOFTWARE\NRV\Prindora": read the first time
// it is needed, cached for the process; a missing one is written with its
// default. Constant-initialised, so the exports may use it whenever they
// are called.

#include <windows.h>

#include <atomic>

namespace maintagent {

class TuningValue {
 public:
  constexpr TuningValue(const char* name, DWORD fallback) : name_(name), fallback_(fallback) {}
  DWORD Get();
  // The next Get reads the registry again, as in a fresh process.
  void Forget() { read_.store(false, std::memory_order_release); }

 private:
  const char* name_;
  DWORD fallback_;
  std::atomic<DWORD> value_{0};
  std::atomic<bool> read_{false};
};

// The value as the registry has it now; the default when the key does not
// open, the default written when the value cannot be read.
DWORD ReadTuningValue(const char* name, DWORD fallback);

}  // namespace maintagent
