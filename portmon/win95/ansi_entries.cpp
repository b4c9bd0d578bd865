// The 95 spooler speaks the ANSI code page: its texts are widened here and
// handed to the entries every build shares.
#include "common/win/entry_guard.h"
#include "portmon/win95/ansi_entries.h"

#include <cstring>
#include <string>

#include "portmon/shell/port_entries.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

// A wide copy that lives as long as the call; null stays null.
class Wide {
 public:
  explicit Wide(LPCSTR text) : null_(text == nullptr), text_(null_ ? L"" : FromAnsi(text)) {}
  LPWSTR get() { return null_ ? nullptr : text_.data(); }

 private:
  bool null_;
  std::wstring text_;
};

BOOL WINAPI OpenPortA(LPSTR name, PHANDLE handle) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL { return OpenPortEntry(Wide(name).get(), handle); });
}

BOOL WINAPI StartDocPortA(HANDLE port, LPSTR printerName, DWORD jobId, DWORD level,
                          LPBYTE docInfo) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return StartDocPortEntry(port, Wide(printerName).get(), jobId, level, docInfo);
  });
}

BOOL WINAPI AddPortA(LPSTR server, HWND owner, LPSTR monitorName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return AddPortEntry(Wide(server).get(), owner, Wide(monitorName).get());
  });
}

BOOL WINAPI ConfigurePortA(LPSTR server, HWND owner, LPSTR portName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return ConfigurePortEntry(Wide(server).get(), owner, Wide(portName).get());
  });
}

BOOL WINAPI DeletePortA(LPSTR server, HWND owner, LPSTR portName) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return DeletePortEntry(Wide(server).get(), owner, Wide(portName).get());
  });
}

// The answers are bytes, whatever the text width.
BOOL WINAPI GetPrinterDataFromPortA(HANDLE port, DWORD code, LPSTR, LPSTR, DWORD, LPSTR output,
                                    DWORD outputSize, LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return GetPrinterDataFromPortEntry(port, code, nullptr, nullptr, 0,
                                       reinterpret_cast<LPWSTR>(output), outputSize, returned);
  });
}

}  // namespace

void FillAnsiMonitorTable(AnsiMonitorTable& table) {
  std::memset(&table, 0, sizeof table);
  table.pfnEnumPorts = EnumPortsAnsiEntry;
  table.pfnOpenPort = OpenPortA;
  table.pfnStartDocPort = StartDocPortA;
  table.pfnWritePort = WritePortEntry;
  table.pfnReadPort = ReadPortEntry;
  table.pfnEndDocPort = EndDocPortEntry;
  table.pfnClosePort = ClosePortEntry;
  table.pfnAddPort = AddPortA;
  table.pfnConfigurePort = ConfigurePortA;
  table.pfnDeletePort = DeletePortA;
  table.pfnGetPrinterDataFromPort = GetPrinterDataFromPortA;
  table.pfnSetPortTimeOuts = SetPortTimeOutsEntry;
}

}  // namespace portmon
