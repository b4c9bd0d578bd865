#pragma once
// The four start-up coordination entries maintagent.exe exports for other
// programs, which load the program as a library. Such a load does not start
// the program's C runtime: the entries and what they use are plain Win32
// calls on constant-initialised variables, no static constructors.

#include <windows.h>

#define MAINTAGENT_EXPORT extern "C" __declspec(dllexport)

// Sleeps "InitializeDelay", then creates "SDB95Mutex" (not owned) and keeps
// it open for the life of the process; returns it.
MAINTAGENT_EXPORT HANDLE WINAPI ServiceStartUpDelay();

// Nonzero once "SDB95Mutex" exists; 0 when "StartUpWaitTimeout" passed
// first. Looks once a second.
MAINTAGENT_EXPORT BOOL WINAPI WaitForSDB();

// CreateThread, then a pause of "CreateThreadInterval" (or
// "CreateThreadInterval2") milliseconds; "CTIFlag" bit 0 serialises callers
// on "CTIMutex", bit 1 holds the thread suspended during the pause.
MAINTAGENT_EXPORT HANDLE WINAPI CreateThreadInterval(SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                                                     LPTHREAD_START_ROUTINE start, void* parameter,
                                                     DWORD flags, DWORD* threadId);
MAINTAGENT_EXPORT HANDLE WINAPI CreateThreadInterval2(SECURITY_ATTRIBUTES* security,
                                                      SIZE_T stackSize, LPTHREAD_START_ROUTINE start,
                                                      void* parameter, DWORD flags, DWORD* threadId);

namespace maintagent {

// How the paced entries start their thread: CreateThread for the exports.
struct ThreadCalls {
  void* context;
  HANDLE (*createThread)(void* context, SECURITY_ATTRIBUTES* security, SIZE_T stackSize,
                         LPTHREAD_START_ROUTINE start, void* parameter, DWORD flags,
                         DWORD* threadId);
};

enum class PacedPause { First, Second };  // "CreateThreadInterval", "CreateThreadInterval2"

// The work of CreateThreadInterval (First) and CreateThreadInterval2 behind
// the entry guard: null with the reason as last error when it throws.
HANDLE StartPacedThread(PacedPause which, const ThreadCalls& calls, SECURITY_ATTRIBUTES* security,
                        SIZE_T stackSize, LPTHREAD_START_ROUTINE start, void* parameter,
                        DWORD flags, DWORD* threadId);

// Forgets the cached tuning values, as a fresh load of the program would.
void ForgetStartUpTuning();

}  // namespace maintagent
