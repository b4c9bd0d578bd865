// EnumPorts: fixed-size entries from the buffer's start, their strings
// copied from its end downward, and the full size needed always reported.
#include <cstring>
#include <string>
#include <vector>

#include "portmon/shell/monitor.h"
#include "portmon/shell/port_entries.h"
#include "portmon/shell/port_registry.h"

namespace portmon {
namespace {

struct PortTexts {
  std::wstring name;
  std::wstring description;
};

std::size_t Chars(const std::wstring& text) { return text.size() + 1; }

std::size_t NeededBytes(DWORD level, const std::vector<PortTexts>& ports,
                        const std::wstring& monitorName) {
  std::size_t needed = 0;
  for (const PortTexts& port : ports) {
    if (level == 1) {
      needed += sizeof(PORT_INFO_1W) + sizeof(wchar_t) * Chars(port.name);
    } else if (level == 2) {
      needed += sizeof(PORT_INFO_2W) +
                sizeof(wchar_t) * (Chars(port.name) + Chars(monitorName) + Chars(port.description));
    }
  }
  return needed;
}

// Copies `text` just below `end` and returns where it starts.
wchar_t* CopyDown(BYTE*& end, const std::wstring& text) {
  end -= sizeof(wchar_t) * Chars(text);
  std::memcpy(end, text.c_str(), sizeof(wchar_t) * Chars(text));
  return reinterpret_cast<wchar_t*>(end);
}

void Fill(DWORD level, const std::vector<PortTexts>& ports, const std::wstring& monitorName,
          BYTE* buffer, std::size_t size) {
  BYTE* end = buffer + size;
  for (std::size_t i = 0; i < ports.size(); ++i) {
    if (level == 1) {
      auto* entry = reinterpret_cast<PORT_INFO_1W*>(buffer) + i;
      entry->pName = CopyDown(end, ports[i].name);
    } else {
      auto* entry = reinterpret_cast<PORT_INFO_2W*>(buffer) + i;
      entry->pPortName = CopyDown(end, ports[i].name);
      entry->pMonitorName = CopyDown(end, monitorName);
      entry->pDescription = CopyDown(end, ports[i].description);
      entry->fPortType = PORT_TYPE_WRITE | PORT_TYPE_READ;
      entry->Reserved = 0;
    }
  }
}

}  // namespace

BOOL WINAPI EnumPortsEntry(LPWSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed,
                           LPDWORD returned) {
  if (level >= 3) {
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
  }
  Monitor& monitor = Monitor::Instance();
  std::vector<PortTexts> ports;
  {
    std::lock_guard guard(monitor.lock());
    LoadPortsFromRegistry();
    monitor.ForEach([&](const NetPort& port) {
      ports.push_back({FromU16(port.name()), FromU16(port.description())});
    });
  }
  const std::wstring monitorName = LoadText(IDS_MONITOR_NAME);
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

}  // namespace portmon
