#pragma once
// One open of the processor on a dispatch queue. The spooler hands the
// context back as a handle, which is trusted only while its signature
// holds; pause and cancel arrive on other threads through the state bits
// and the events.

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "common/win/kernel_handle.h"
#include "printproc/pool.h"
#include "printproc/spooler_seam.h"
#include "printproc/status_manager.h"

namespace printproc {

inline constexpr std::uint32_t kContextSignature = 0x5051;  // "QP"
inline constexpr std::uint32_t kStateCancelled = 0x1;
inline constexpr std::uint32_t kStatePaused = 0x8;

inline constexpr DWORD kControlPause = 1;
inline constexpr DWORD kControlResume = 2;
inline constexpr DWORD kControlCancel = 3;

// Members are released in reverse: the pool's and the queue's status
// manager handles before the library reference they came from.
struct ProcessorContext {
  std::uint32_t signature = kContextSignature;
  SpoolerCalls spooler;
  StatusManager link;
  ManagerHandle queueManager;
  std::vector<PoolMember> pool;
  std::string queueName;
  KernelHandle pauseEvent;   // auto-reset; reset while paused
  KernelHandle cancelEvent;  // manual-reset; cuts the waits between rounds short
  std::atomic<std::uint32_t> state{0};
};

// Null (with the error set) when the queue has no pool. Every job of the
// context goes through `spooler`.
ProcessorContext* OpenProcessorContext(const char* queueName, const SpoolerCalls& spooler);

// The context behind a handle, or null when the handle is not one.
ProcessorContext* ContextOf(HANDLE handle);

// Clears the signature and releases everything; false for a handle that is
// not a context.
bool CloseProcessorContext(HANDLE handle);

// Pause, resume or cancel. Without a valid handle only cancel is taken, and
// does nothing.
bool ControlProcessor(HANDLE handle, DWORD command);

// Blocks while the job is paused; false once it is cancelled.
bool WaitWhilePaused(ProcessorContext& context);

}  // namespace printproc
