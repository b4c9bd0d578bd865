#include "portmon/shell/port_entries.h"

#include <cstring>
#include <cwctype>
#include <vector>

#include "common/win/entry_guard.h"
#include "portmon/core/host_name.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_dialogs.h"
#include "portmon/shell/port_registry.h"
#include "portmon/shell/spooler_ports.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

bool SameText(const wchar_t* a, const std::wstring& b) {
  return a != nullptr && _wcsicmp(a, b.c_str()) == 0;
}

// Detaches again whatever AttachThreadInput attached, on every way out.
class InputAttachment {
 public:
  explicit InputAttachment(HWND owner) {
    if (owner == nullptr) return;
    other_ = GetWindowThreadProcessId(owner, nullptr);
    attached_ = other_ != 0 && AttachThreadInput(GetCurrentThreadId(), other_, TRUE);
  }
  ~InputAttachment() {
    if (attached_) AttachThreadInput(GetCurrentThreadId(), other_, FALSE);
  }

 private:
  DWORD other_ = 0;
  bool attached_ = false;
};

}  // namespace

BOOL WINAPI SetPortTimeOutsEntry(HANDLE, LPCOMMTIMEOUTS, DWORD) { return FALSE; }

BOOL WINAPI OpenPortEntry(LPWSTR name, PHANDLE handle) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    if (name == nullptr || handle == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    Monitor& monitor = Monitor::Instance();
    std::lock_guard guard(monitor.lock());
    NetPort* port = monitor.Find(name);
    if (port == nullptr) return FALSE;
    if (!port->job.socket.IsOpen()) port->job.socket.Open();
    *handle = port;
    return TRUE;
  });
}

BOOL WINAPI ClosePortEntry(HANDLE) { return TRUE; }

namespace {

// The record and the registry entries of the name the add dialog accepted;
// the record goes again when they cannot be written.
BOOL CreatePort(const std::wstring& typed) {
  Monitor& monitor = Monitor::Instance();
  const MonitorConfig& config = monitor.config();
  const DWORD address = DottedAddress(typed);
  const std::wstring name = config.addressPortsOnly ? AddressPortName(typed) : typed;
  {
    std::lock_guard guard(monitor.lock());
    monitor.Add(name, address);
  }
  const bool stored = config.addressPortsOnly
                          ? WritePortValue(typed, address)
                          : WritePortSubkey(name) && (address == 0 || WritePortValue(name, address));
  if (stored) return TRUE;
  std::lock_guard guard(monitor.lock());
  monitor.Remove(name);
  return FALSE;
}

}  // namespace

BOOL WINAPI AddPortEntry(LPWSTR server, HWND owner, LPWSTR monitorName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    const MonitorConfig& config = Monitor::Instance().config();
    if (!SameText(monitorName, LoadText(config.addPortMonitorNameId)) &&
        !(config.extraAddPortMonitorName != nullptr &&
          SameText(monitorName, config.extraAddPortMonitorName))) {
      return Fail(ERROR_INVALID_PARAMETER);
    }
    InputAttachment attachment(config.attachOwnerInput ? owner : nullptr);
    std::wstring typed;
    if (RunAddPortDialog(owner, server, typed) != 1) return Fail(ERROR_CANCELLED);
    return CreatePort(typed);
  });
}

BOOL WINAPI AddPortExEntry(LPWSTR server, DWORD level, LPBYTE buffer, LPWSTR monitorName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    if (!SameText(monitorName, LoadText(IDS_MONITOR_NAME))) return Fail(ERROR_INVALID_PARAMETER);
    if (level != 1 && level != 2 && level != 0xFFFFFFFF) return Fail(ERROR_INVALID_LEVEL);
    // Every level starts with the port name.
    const wchar_t* given = buffer != nullptr ? *reinterpret_cast<LPWSTR*>(buffer) : nullptr;
    if (given == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    const std::wstring name(given);

    bool duplicate = false;
    if (const DWORD error = FindSpoolerDuplicate(server, name, duplicate)) return Fail(error);
    if (duplicate || !PassesHostNameCheck(ToAnsi(name, 1024))) return Fail(ERROR_INVALID_PARAMETER);

    Monitor& monitor = Monitor::Instance();
    // A host name is stored as all ones, which the monitor reads as "resolve
    // the name".
    const DWORD parsed = DottedAddress(name);
    const DWORD address = parsed != 0 ? parsed : 0xFFFFFFFF;
    {
      std::lock_guard guard(monitor.lock());
      monitor.Add(name, address);
    }
    if (WritePortValue(name, address)) return TRUE;
    std::lock_guard guard(monitor.lock());
    monitor.Remove(name);
    return FALSE;
  });
}

BOOL WINAPI ConfigurePortEntry(LPWSTR, HWND owner, LPWSTR portName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    if (portName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    if (Monitor::Instance().config().addressPortsOnly) {
      ShowMonitorMessage(owner, IDS_NOTHING_TO_CONFIGURE,
                         MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
      return FALSE;
    }
    if (RunConfigurePortDialog(owner, portName) == 1) return TRUE;
    return Fail(ERROR_CANCELLED);
  });
}

BOOL WINAPI DeletePortEntry(LPWSTR, HWND, LPWSTR portName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    if (portName == nullptr) return Fail(ERROR_INVALID_PARAMETER);
    const std::wstring name(portName);
    Monitor& monitor = Monitor::Instance();
    {
      std::lock_guard guard(monitor.lock());
      if (!monitor.Remove(name)) return Fail(ERROR_UNKNOWN_PORT);
    }
    // An address-only build keeps a port as the value named by its address.
    const std::wstring keyName =
        monitor.config().addressPortsOnly ? BareAddress(name) : name;
    const LONG result = DeletePortKeys(keyName, DottedAddress(keyName) != 0);
    if (result != ERROR_SUCCESS) return Fail(static_cast<DWORD>(result));
    return TRUE;
  });
}

BOOL WINAPI GetPrinterDataFromPortEntry(HANDLE handle, DWORD code, LPWSTR, LPWSTR, DWORD,
                                        LPWSTR output, DWORD outputSize, LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    Monitor& monitor = Monitor::Instance();
    NetPort* port = monitor.FromHandle(handle);
    if (port == nullptr) return Fail(ERROR_INVALID_HANDLE);
    if (code == PDC_CANCEL_JOB && monitor.config().variant->cancelByCode) return CancelPortJob(*port);
    const PortSettings settings = ReadPortSettings(FromU16(port->name()));
    const std::span<std::uint8_t> out(reinterpret_cast<std::uint8_t*>(output),
                                      output != nullptr ? outputSize : 0);
    const PrinterDataResult result =
        AnswerPrinterData(*port, *monitor.config().variant, code, out, settings);
    if (returned != nullptr && result.returnedSet) *returned = result.returned;
    if (result.error != 0) SetLastError(result.error);
    return result.ok ? TRUE : FALSE;
  });
}

void FillMonitorTable(MONITOR& table) {
  std::memset(&table, 0, sizeof table);
  table.pfnEnumPorts = EnumPortsEntry;
  table.pfnOpenPort = OpenPortEntry;
  table.pfnStartDocPort = StartDocPortEntry;
  table.pfnWritePort = WritePortEntry;
  table.pfnReadPort = ReadPortEntry;
  table.pfnEndDocPort = EndDocPortEntry;
  table.pfnClosePort = ClosePortEntry;
  table.pfnAddPort = AddPortEntry;
  table.pfnAddPortEx = AddPortExEntry;
  table.pfnConfigurePort = ConfigurePortEntry;
  table.pfnDeletePort = DeletePortEntry;
  table.pfnGetPrinterDataFromPort = GetPrinterDataFromPortEntry;
  table.pfnSetPortTimeOuts = SetPortTimeOutsEntry;
}

}  // namespace portmon
