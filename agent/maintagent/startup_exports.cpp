#include "agent/maintagent/startup_exports.h"

#include <optional>

#include "agent/maintagent/tuning_value.h"
#include "common/win/entry_guard.h"
#include "common/win/kernel_handle.h"
#include "common/win/mutex_hold.h"

namespace {

using maintagent::TuningValue;

constexpr char kStartUpMutex[] = "SDB95Mutex";
constexpr char kThreadMutex[] = "CTIMutex";
constexpr DWORD kSerialise = 0x1;
constexpr DWORD kHoldSuspended = 0x2;
constexpr DWORD kLookAgainMs = 1000;

constinit TuningValue initializeDelay("InitializeDelay", 10000);
constinit TuningValue startUpWaitTimeout("StartUpWaitTimeout", 30000);
constinit TuningValue threadPause("CreateThreadInterval", 50);
constinit TuningValue threadPause2("CreateThreadInterval2", 10);
constinit TuningValue threadFlags("CTIFlag", 3);

// Kept open for the life of the process, which closes them at its end: the
// names must stay visible to the programs that look for them.
constinit HANDLE createdStartUpMutex = nullptr;
constinit HANDLE foundStartUpMutex = nullptr;

HANDLE CreatePacedThread(TuningValue& pause, const maintagent::ThreadCalls& calls,
                         SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                         LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                         DWORD* threadId) {
  const DWORD pauseMs = pause.Get();
  const DWORD how = threadFlags.Get();
  // "CTIMutex" held for the start, and given back however the start ends.
  std::optional<MutexHold> serial;
  if (how & kSerialise) serial.emplace(kThreadMutex);
  const bool hold = how & kHoldSuspended;
  const HANDLE thread = calls.createThread(calls.context, security, stackSize, start, parameter,
                                           hold ? CREATE_SUSPENDED : flags, threadId);
  Sleep(pauseMs);
  if (hold && !(flags & CREATE_SUSPENDED)) ResumeThread(thread);
  return thread;
}

HANDLE SystemCreateThread(void*, SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                          LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                          DWORD* threadId) {
  return CreateThread(security, stackSize, start, parameter, flags, threadId);
}

constexpr maintagent::ThreadCalls kSystemThreads{nullptr, SystemCreateThread};

}  // namespace

HANDLE WINAPI ServiceStartUpDelay() {
  return GuardedEntry<HANDLE>(nullptr, [] {
    Sleep(initializeDelay.Get());
    createdStartUpMutex = CreateMutexA(nullptr, FALSE, kStartUpMutex);
    return createdStartUpMutex;
  });
}

BOOL WINAPI WaitForSDB() {
  return GuardedEntry<BOOL>(FALSE, [] {
    const DWORD started = GetTickCount();
    const DWORD timeout = startUpWaitTimeout.Get();
    HANDLE found = OpenMutexA(SYNCHRONIZE, FALSE, kStartUpMutex);
    // Elapsed time rather than an end tick: the tick count wraps.
    while (found == nullptr) {
      if (GetTickCount() - started > timeout) return FALSE;
      Sleep(kLookAgainMs);
      found = OpenMutexA(SYNCHRONIZE, FALSE, kStartUpMutex);
    }
    foundStartUpMutex = found;
    return TRUE;
  });
}

HANDLE WINAPI CreateThreadInterval(SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                                   LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                                   DWORD* threadId) {
  return maintagent::StartPacedThread(maintagent::PacedPause::First, kSystemThreads, security,
                                      stackSize, start, parameter, flags, threadId);
}

HANDLE WINAPI CreateThreadInterval2(SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                                    LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                                    DWORD* threadId) {
  return maintagent::StartPacedThread(maintagent::PacedPause::Second, kSystemThreads, security,
                                      stackSize, start, parameter, flags, threadId);
}

HANDLE maintagent::StartPacedThread(PacedPause which, const ThreadCalls& calls,
                                    SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                                    LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                                    DWORD* threadId) {
  TuningValue& pause = which == PacedPause::First ? threadPause : threadPause2;
  return GuardedEntry<HANDLE>(nullptr, [&] {
    return CreatePacedThread(pause, calls, security, stackSize, start, parameter, flags, threadId);
  });
}

void maintagent::ForgetStartUpTuning() {
  for (TuningValue* value :
       {&initializeDelay, &startUpWaitTimeout, &threadPause, &threadPause2, &threadFlags}) {
    value->Forget();
  }
}
