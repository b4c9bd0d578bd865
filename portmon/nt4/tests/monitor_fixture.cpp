#include "portmon/nt4/tests/monitor_fixture.h"

#include <cwchar>

#include "common/win/registry_key.h"

namespace portmon::test {

using InitializeMonitorExFunction = BOOL(WINAPI*)(LPWSTR, LPMONITOR);

void MonitorTest::SetUp() {
  static int counter = 0;
  root = L"Software\\NicSuiteTests\\portmonnt4-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
  ASSERT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, root.c_str(), KEY_ALL_ACCESS));
}

void MonitorTest::TearDown() {
  module.reset();
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, root.c_str());
}

void MonitorTest::StartMonitor() {
  module = Library(LoadLibraryW(L"portmonnt4.dll"));
  ASSERT_TRUE(module);
  auto initialize = module.Find<InitializeMonitorExFunction>("InitializeMonitorEx");
  ASSERT_NE(initialize, nullptr);
  ASSERT_TRUE(initialize(root.data(), &table));
}

void MonitorTest::SetDwordValue(const std::wstring& name, DWORD value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, root.c_str(), name.c_str(), REG_DWORD, &value,
                            sizeof value),
            ERROR_SUCCESS);
}

void MonitorTest::CreateSubkey(const std::wstring& name) {
  const std::wstring path = root + L"\\" + name;
  ASSERT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, path.c_str(), KEY_ALL_ACCESS));
}

bool MonitorTest::ValueExists(const std::wstring& name) {
  return RegGetValueW(HKEY_LOCAL_MACHINE, root.c_str(), name.c_str(), RRF_RT_ANY, nullptr,
                      nullptr, nullptr) == ERROR_SUCCESS;
}

std::optional<DWORD> MonitorTest::DwordValue(const std::wstring& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, root.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr,
                   &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool MonitorTest::SubkeyExists(const std::wstring& name) {
  const std::wstring path = root + L"\\" + name;
  return static_cast<bool>(RegistryKey::Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ));
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
