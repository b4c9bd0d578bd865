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

// EnumPortsW's or EnumPortsA's: the server name and the level-1 entries'
// names are of the build's text width.
using EnumPortsFunction = BOOL(WINAPI*)(LPVOID, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);

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
    found = library.Find<EnumPortsFunction>(Monitor::Instance().config().ansiText ? "EnumPortsA"
                                                                                   : "EnumPortsW");
    if (found == nullptr) return GetLastError();
    spooler = std::move(library);
  }
  function = found;
  return 0;
}

DWORD ListPorts(const wchar_t* server, std::vector<std::wstring>& names) {
  EnumPortsFunction enumPorts = nullptr;
  if (const DWORD error = SpoolerEnumPorts(enumPorts)) return error;
  const bool ansi = Monitor::Instance().config().ansiText;
  std::string ansiServer = server != nullptr ? ToAnsi(server, 1024) : std::string();
  LPVOID serverName = server == nullptr ? nullptr
                      : ansi            ? static_cast<LPVOID>(ansiServer.data())
                                        : static_cast<LPVOID>(const_cast<LPWSTR>(server));
  DWORD needed = 0;
  DWORD count = 0;
  enumPorts(serverName, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed > 0 && !enumPorts(serverName, 1, buffer.data(), needed, &needed, &count)) {
    return GetLastError();
  }
  for (DWORD i = 0; i < count; ++i) {
    if (ansi) {
      const char* name = reinterpret_cast<const PORT_INFO_1A*>(buffer.data())[i].pName;
      names.push_back(FromAnsi(name != nullptr ? name : ""));
    } else {
      const wchar_t* name = reinterpret_cast<const PORT_INFO_1W*>(buffer.data())[i].pName;
      names.emplace_back(name != nullptr ? name : L"");
    }
  }
  return 0;
}

// The address a port of the spooler stands for, when it names one: a dotted
// name, or on an address-only build a name of ours with the suffix.
unsigned long AddressOf(const std::wstring& existing) {
  if (!Monitor::Instance().config().addressPortsOnly) return DottedAddress(existing);
  const std::wstring bare = BareAddress(existing);
  return bare.size() < existing.size() ? DottedAddress(bare) : 0;
}

}  // namespace

DWORD FindSpoolerDuplicate(const wchar_t* server, const std::wstring& name, bool& duplicate) {
  duplicate = false;
  std::vector<std::wstring> names;
  if (const DWORD error = ListPorts(server, names)) return error;
  const unsigned long address = DottedAddress(name);
  const std::wstring portName =
      Monitor::Instance().config().addressPortsOnly ? AddressPortName(name) : name;
  for (const std::wstring& existing : names) {
    if (SameName(ToU16(existing), ToU16(portName)) ||
        (address != 0 && AddressOf(existing) == address)) {
      duplicate = true;
      return 0;
    }
  }
  return 0;
}

}  // namespace portmon
