#include "agent/maintagent/startup_exports.h"

#include "agent/maintagent/tuning_value.h"
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

HANDLE CreatePacedThread(TuningValue& pause, SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                         LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                         DWORD* threadId) {
  const DWORD pauseMs = pause.Get();
  const DWORD how = threadFlags.Get();
  KernelHandle serial;
  if (how & kSerialise) {
    serial = KernelHandle(CreateMutexA(nullptr, FALSE, kThreadMutex));
    WaitForSingleObject(serial.get(), INFINITE);
  }
  const bool hold = how & kHoldSuspended;
  const HANDLE thread =
      CreateThread(security, stackSize, start, parameter, hold ? CREATE_SUSPENDED : flags, threadId);
  Sleep(pauseMs);
  if (hold && !(flags & CREATE_SUSPENDED)) ResumeThread(thread);
  if (serial) ReleaseMutex(serial.get());
  return thread;
}

}  // namespace

HANDLE WINAPI ServiceStartUpDelay() {
  Sleep(initializeDelay.Get());
  createdStartUpMutex = CreateMutexA(nullptr, FALSE, kStartUpMutex);
  return createdStartUpMutex;
}

BOOL WINAPI WaitForSDB() {
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
}

HANDLE WINAPI CreateThreadInterval(SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                                   LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                                   DWORD* threadId) {
  return CreatePacedThread(threadPause, security, stackSize, start, parameter, flags, threadId);
}

HANDLE WINAPI CreateThreadInterval2(SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                                    LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                                    DWORD* threadId) {
  return CreatePacedThread(threadPause2, security, stackSize, start, parameter, flags, threadId);
}

void maintagent::ForgetStartUpTuning() {
  for (TuningValue* value :
       {&initializeDelay, &startUpWaitTimeout, &threadPause, &threadPause2, &threadFlags}) {
    value->Forget();
  }
}
