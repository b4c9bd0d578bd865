// What the install test asks of an installed suite, as its callers meet
// it: the spooler lists the monitor and routes a port of ours to it, and
// the folder's and the mail notification module's classes can be created.
//
//   install_check monitor   the spooler's monitors hold "NRV Network Port"
//   install_check port P    the spooler lists port P with our monitor
//   install_check com       both registered classes can be created
// Exit 0 when it holds.
#include <windows.h>
#include <objbase.h>
#include <winspool.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMonitor[] = L"NRV Network Port";
constexpr CLSID kFolder = {0x5D2E0100, 0xB41C, 0x11D1, {0x9E, 0x27, 0x00, 0xA0, 0xC9, 0xA4, 0x1F, 0x30}};
constexpr CLSID kMailNotification = {0x5D2E0140, 0xB41C, 0x11D1, {0x9E, 0x27, 0x00, 0xA0, 0xC9, 0xA4, 0x1F, 0x30}};

bool MonitorListed() {
  DWORD needed = 0, count = 0;
  EnumMonitorsW(nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !EnumMonitorsW(nullptr, 2, buffer.data(), needed, &needed, &count)) return false;
  const auto* monitors = reinterpret_cast<const MONITOR_INFO_2W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    if (monitors[i].pName != nullptr && std::wcscmp(monitors[i].pName, kMonitor) == 0) return true;
  return false;
}

bool PortListed(const wchar_t* port) {
  DWORD needed = 0, count = 0;
  EnumPortsW(nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !EnumPortsW(nullptr, 2, buffer.data(), needed, &needed, &count)) return false;
  const auto* ports = reinterpret_cast<const PORT_INFO_2W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (ports[i].pPortName != nullptr && std::wcscmp(ports[i].pPortName, port) == 0)
      return ports[i].pMonitorName != nullptr && std::wcscmp(ports[i].pMonitorName, kMonitor) == 0;
  }
  return false;
}

bool Creatable(const CLSID& clsid) {
  IUnknown* object = nullptr;
  const HRESULT result =
      CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&object));
  if (object != nullptr) object->Release();
  return SUCCEEDED(result);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"monitor") return MonitorListed() ? 0 : 1;
  if (command == L"port" && argc > 2) return PortListed(argv[2]) ? 0 : 1;
  if (command == L"com") {
    CoInitialize(nullptr);
    const bool both = Creatable(kFolder) && Creatable(kMailNotification);
    CoUninitialize();
    return both ? 0 : 1;
  }
  std::fprintf(stderr, "usage: install_check monitor | port NAME | com\n");
  return 2;
}
