// EnumPorts: fixed-size entries from the buffer's start, their strings
// copied from its end downward, and the full size needed always reported.
#include <cstring>
#include <string>
#include <vector>

#include "common/win/entry_guard.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_entries.h"
#include "portmon/shell/port_registry.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

template <typename Char>
struct PortInfo;
template <>
struct PortInfo<wchar_t> {
  using One = PORT_INFO_1W;
  using Two = PORT_INFO_2W;
};
template <>
struct PortInfo<char> {
  using One = PORT_INFO_1A;
  using Two = PORT_INFO_2A;
};

template <typename Char>
using Text = std::basic_string<Char>;

template <typename Char>
struct PortTexts {
  Text<Char> name;
  Text<Char> description;
};

Text<wchar_t> InWidth(const std::wstring& text, wchar_t) { return text; }
Text<char> InWidth(const std::wstring& text, char) { return ToAnsi(text, 1024); }

template <typename Char>
std::size_t Bytes(const Text<Char>& text) {
  return sizeof(Char) * (text.size() + 1);
}

template <typename Char>
std::size_t NeededBytes(DWORD level, const std::vector<PortTexts<Char>>& ports,
                        const Text<Char>& monitorName) {
  std::size_t needed = 0;
  for (const PortTexts<Char>& port : ports) {
    if (level == 1) {
      needed += sizeof(typename PortInfo<Char>::One) + Bytes(port.name);
    } else if (level == 2) {
      needed += sizeof(typename PortInfo<Char>::Two) + Bytes(port.name) + Bytes(monitorName) +
                Bytes(port.description);
    }
  }
  return needed;
}

// Copies `text` just below `end` and returns where it starts.
template <typename Char>
Char* CopyDown(BYTE*& end, const Text<Char>& text) {
  end -= Bytes(text);
  std::memcpy(end, text.c_str(), Bytes(text));
  return reinterpret_cast<Char*>(end);
}

template <typename Char>
void Fill(DWORD level, const std::vector<PortTexts<Char>>& ports, const Text<Char>& monitorName,
          BYTE* buffer, std::size_t size) {
  BYTE* end = buffer + size;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    if (level == 1) {
      auto* entry = reinterpret_cast<typename PortInfo<Char>::One*>(buffer) + i;
      entry->pName = CopyDown(end, ports[i].name);
    } else {
      auto* entry = reinterpret_cast<typename PortInfo<Char>::Two*>(buffer) + i;
      entry->pPortName = CopyDown(end, ports[i].name);
      entry->pMonitorName = CopyDown(end, monitorName);
      entry->pDescription = CopyDown(end, ports[i].description);
      entry->fPortType = PORT_TYPE_WRITE | PORT_TYPE_READ;
      entry->Reserved = 0;
    }
  }
}

template <typename Char>
BOOL EnumPortsIn(DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
  if (level >= 3) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  Monitor& monitor = Monitor::Instance();
  std::vector<PortTexts<Char>> ports;
  {
    std::lock_guard guard(monitor.lock());
    LoadPortsFromRegistry();
    monitor.ForEach([&](const NetPort& port) {
      ports.push_back({InWidth(FromU16(port.name()), Char{}),
                       InWidth(FromU16(port.description()), Char{})});
    });
  }
  const Text<Char> monitorName = InWidth(LoadText(IDS_MONITOR_NAME), Char{});
  const std::size_t bytes = NeededBytes(level, ports, monitorName);
  if (needed != nullptr) *needed = static_cast<DWORD>(bytes);
  if (returned != nullptr) *returned = 0;
  if (size < bytes || (bytes > 0 && buffer == nullptr)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  if (level != 0) Fill(level, ports, monitorName, buffer, size);
  if (returned != nullptr) *returned = static_cast<DWORD>(ports.size());
  return TRUE;
}

}  // namespace

BOOL WINAPI EnumPortsEntry(LPWSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                           LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return EnumPortsIn<wchar_t>(level, buffer, size, needed, returned);
  });
}

BOOL WINAPI EnumPortsAnsiEntry(LPSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                               LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&]() -> BOOL {
    return EnumPortsIn<char>(level, buffer, size, needed, returned);
  });
}

}  // namespace portmon
