#include "portmon/shell/spooler_ports.h"

#include <winspool.h>

#include <mutex>
#include <vector>

#include "common/win/library.h"
#include "portmon/core/net_port.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

using EnumPortsFunction = BOOL(WINAPI*)(LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);

// Loaded once and kept for the life of the process; a failed load is tried
// again next time.
DWORD SpoolerEnumPorts(EnumPortsFunction& function) {
  static std::mutex lock;
  static Library spooler;
  static EnumPortsFunction found = nullptr;
  std::lock_guard guard(lock);
  if (found == nullptr) {
    Library library(LoadLibraryW(L"SPOOLSS.DLL"));
    if (!library) return GetLastError();
    found = library.Find<EnumPortsFunction>("EnumPortsW");
    if (found == nullptr) return GetLastError();
    spooler = std::move(library);
  }
  function = found;
  return 0;
}

DWORD ListPorts(const wchar_t* server, std::vector<std::wstring>& names) {
  EnumPortsFunction enumPorts = nullptr;
  if (const DWORD error = SpoolerEnumPorts(enumPorts)) return error;
  LPWSTR serverName = const_cast<LPWSTR>(server);
  DWORD needed = 0;
  DWORD count = 0;
  enumPorts(serverName, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed > 0 && !enumPorts(serverName, 1, buffer.data(), needed, &needed, &count)) {
    return GetLastError();
  }
  const auto* ports = reinterpret_cast<const PORT_INFO_1W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) names.emplace_back(ports[i].pName ? ports[i].pName : L"");
  return 0;
}

}  // namespace

DWORD FindSpoolerDuplicate(const wchar_t* server, const std::wstring& name, bool& duplicate) {
  duplicate = false;
  std::vector<std::wstring> names;
  if (const DWORD error = ListPorts(server, names)) return error;
  const unsigned long address = DottedAddress(name);
  for (const std::wstring& existing : names) {
    if (SameName(ToU16(existing), ToU16(name)) ||
        (address != 0 && DottedAddress(existing) == address)) {
      duplicate = true;
      return 0;
    }
  }
  return 0;
}

}  // namespace portmon
