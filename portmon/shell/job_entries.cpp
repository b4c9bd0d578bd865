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

// A write or a read: the count is the job's own, 0 for a handle or buffer
// that is none, and 0 when the call throws.
template <typename Bytes, typename Move>
BOOL Transfer(HANDLE handle, Bytes bytes, LPDWORD count, Move move) {
  if (count != nullptr) *count = 0;
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    NetPort* port = Monitor::Instance().FromHandle(handle);
    if (port == nullptr || (bytes.data() == nullptr && !bytes.empty())) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    std::uint32_t moved = 0;
    const BOOL result = Finish(move(Context(), *port, bytes, moved));
    if (count != nullptr) *count = moved;
    return result;
  });
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
  return Transfer(handle, std::span<const std::uint8_t>(buffer, size), written, WritePort);
}

BOOL WINAPI ReadPortEntry(HANDLE handle, LPBYTE buffer, DWORD size, LPDWORD read) {
  return Transfer(handle, std::span<std::uint8_t>(buffer, size), read, ReadPort);
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
