// The job entries: the shell finds the port and hands the job to the core.
#include <span>

#include "common/win/entry_guard.h"
#include "portmon/core/job_transmission.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_entries.h"

namespace portmon {
namespace {

BOOL Finish(const JobResult& result) {
  if (result.error != 0) SetLastError(result.error);
  return result.ok ? TRUE : FALSE;
}

JobContext Context() {
  Monitor& monitor = Monitor::Instance();
  const MonitorSeams& seams = monitor.seams();
  return {monitor.lock(), *monitor.config().variant, seams.spooler, seams.timings,
          seams.collation, seams.clock};
}

}  // namespace

BOOL WINAPI StartDocPortEntry(HANDLE handle, LPWSTR printerName, DWORD jobId, DWORD, LPBYTE) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    NetPort* port = Monitor::Instance().FromHandle(handle);
    if (port == nullptr) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    const std::wstring name = printerName != nullptr ? printerName : L"";
    return Finish(StartDocPort(Context(), *port, ToU16(name), jobId));
  });
}

BOOL WINAPI WritePortEntry(HANDLE handle, LPBYTE buffer, DWORD size, LPDWORD written) {
  if (written != nullptr) *written = 0;
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    NetPort* port = Monitor::Instance().FromHandle(handle);
    std::uint32_t count = 0;
    BOOL result = FALSE;
    if (port == nullptr || (buffer == nullptr && size != 0)) {
      SetLastError(ERROR_INVALID_PARAMETER);
    } else {
      result = Finish(WritePort(Context(), *port, std::span<const std::uint8_t>(buffer, size), count));
    }
    if (written != nullptr) *written = count;
    return result;
  });
}

BOOL WINAPI ReadPortEntry(HANDLE handle, LPBYTE buffer, DWORD size, LPDWORD read) {
  if (read != nullptr) *read = 0;
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    NetPort* port = Monitor::Instance().FromHandle(handle);
    std::uint32_t count = 0;
    BOOL result = FALSE;
    if (port == nullptr || (buffer == nullptr && size != 0)) {
      SetLastError(ERROR_INVALID_PARAMETER);
    } else {
      result = Finish(ReadPort(Context(), *port, std::span<std::uint8_t>(buffer, size), count));
    }
    if (read != nullptr) *read = count;
    return result;
  });
}

BOOL WINAPI EndDocPortEntry(HANDLE handle) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    NetPort* port = Monitor::Instance().FromHandle(handle);
    if (port == nullptr) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    return Finish(EndDocPort(Context(), *port));
  });
}

BOOL CancelPortJob(NetPort& port) { return Finish(CancelJob(Context(), port)); }

}  // namespace portmon
