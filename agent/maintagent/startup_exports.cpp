#include "agent/maintagent/startup_exports.h"

#include "agent/maintagent/tuning_value.h"
#include "common/win/entry_guard.h"
#include "common/win/kernel_handle.h"

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

// "CTIMutex" held for a paced start, and given back however the start ends.
class SerialStart {
 public:
  explicit SerialStart(bool serialise) {
    if (!serialise) return;
    mutex_ = KernelHandle(CreateMutexA(nullptr, FALSE, kThreadMutex));
    owned_ = mutex_ && WaitForSingleObject(mutex_.get(), INFINITE) != WAIT_FAILED;
  }
  ~SerialStart() {
    if (owned_) ReleaseMutex(mutex_.get());
  }
  SerialStart(const SerialStart&) = delete;
  SerialStart& operator=(const SerialStart&) = delete;

 private:
  KernelHandle mutex_;
  bool owned_ = false;
};

HANDLE CreatePacedThread(TuningValue& pause, const maintagent::ThreadCalls& calls,
                         SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                         LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                         DWORD* threadId) {
  const DWORD pauseMs = pause.Get();
  const DWORD how = threadFlags.Get();
  const SerialStart serial((how & kSerialise) != 0);
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
