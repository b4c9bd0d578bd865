#include "printproc/processor_context.h"

#include <memory>

namespace printproc {
namespace {

void Pause(ProcessorContext& context) {
  ResetEvent(context.pauseEvent.get());
  context.state |= kStatePaused;
}

void Resume(ProcessorContext& context) {
  context.state &= ~kStatePaused;
  SetEvent(context.pauseEvent.get());
}

void Cancel(ProcessorContext& context) {
  context.state |= kStateCancelled;
  SetEvent(context.cancelEvent.get());
  Resume(context);
}

}  // namespace

ProcessorContext* OpenProcessorContext(const char* queueName, const SpoolerCalls& spooler) {
  if (queueName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto context = std::make_unique<ProcessorContext>();
  context->spooler = spooler;
  context->pool = ReadPool(queueName, context->link);
  context->queueManager = ManagerHandle(context->link, context->link.Open(queueName));
  if (context->pool.empty()) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  context->pauseEvent = KernelHandle(CreateEventA(nullptr, FALSE, TRUE, nullptr));
  context->cancelEvent = KernelHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!context->pauseEvent || !context->cancelEvent) return nullptr;
  context->queueName = queueName;
  return context.release();
}

ProcessorContext* ContextOf(HANDLE handle) {
  auto* context = static_cast<ProcessorContext*>(handle);
  if (context == nullptr || context->signature != kContextSignature) return nullptr;
  return context;
}

bool CloseProcessorContext(HANDLE handle) {
  ProcessorContext* context = ContextOf(handle);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  context->signature = 0;
  delete context;
  return true;
}

bool ControlProcessor(HANDLE handle, DWORD command) {
  ProcessorContext* context = ContextOf(handle);
  if (context == nullptr) {
    if (command == kControlCancel) return true;
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  switch (command) {
    case kControlPause:
      Pause(*context);
      return true;
    case kControlResume:
      Resume(*context);
      return true;
    case kControlCancel:
      Cancel(*context);
      return true;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return false;
  }
}

bool WaitWhilePaused(ProcessorContext& context) {
  for (;;) {
    const std::uint32_t state = context.state;
    if ((state & kStateCancelled) != 0) return false;
    if ((state & kStatePaused) == 0) return true;
    WaitForSingleObject(context.pauseEvent.get(), INFINITE);
  }
}

}  // namespace printproc
