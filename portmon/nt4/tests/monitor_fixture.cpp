#include "portmon/nt4/tests/monitor_fixture.h"

#include <cwchar>

namespace portmon::test {

using InitializeMonitorExFunction = BOOL(WINAPI*)(LPWSTR, LPMONITOR);

void MonitorTest::SetUp() {
  static int counter = 0;
  root = L"Software\\NicSuiteTests\\portmonnt4-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, root.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void MonitorTest::TearDown() {
  if (module != nullptr) FreeLibrary(module);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, root.c_str());
}

void MonitorTest::StartMonitor() {
  module = LoadLibraryW(L"portmonnt4.dll");
  ASSERT_NE(module, nullptr);
  auto initialize = reinterpret_cast<InitializeMonitorExFunction>(
      reinterpret_cast<void*>(GetProcAddress(module, "InitializeMonitorEx")));
  ASSERT_NE(initialize, nullptr);
  ASSERT_TRUE(initialize(root.data(), &table));
}

void MonitorTest::SetDwordValue(const std::wstring& name, DWORD value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, root.c_str(), name.c_str(), REG_DWORD, &value,
                            sizeof value),
            ERROR_SUCCESS);
}

void MonitorTest::CreateSubkey(const std::wstring& name) {
  HKEY key = nullptr;
  const std::wstring path = root + L"\\" + name;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

bool MonitorTest::ValueExists(const std::wstring& name) {
  return RegGetValueW(HKEY_LOCAL_MACHINE, root.c_str(), name.c_str(), RRF_RT_ANY, nullptr,
                      nullptr, nullptr) == ERROR_SUCCESS;
}

bool MonitorTest::SubkeyExists(const std::wstring& name) {
  HKEY key = nullptr;
  const std::wstring path = root + L"\\" + name;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

std::vector<std::wstring> MonitorTest::PortNames() {
  DWORD needed = 0;
  DWORD count = 0;
  table.pfnEnumPorts(nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  std::vector<std::wstring> names;
  if (!table.pfnEnumPorts(nullptr, 1, buffer.data(), needed, &needed, &count)) return names;
  const auto* ports = reinterpret_cast<const PORT_INFO_1W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) names.emplace_back(ports[i].pName);
  return names;
}

}  // namespace portmon::test
