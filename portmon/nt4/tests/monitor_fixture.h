#pragma once
// Loads portmonnt4.dll as a spooler does (by name, one entry, then only the
// table it filled) with a registry root of the test's own below HKLM, and
// unloads it again so every test starts from a fresh monitor.

#include <gtest/gtest.h>
#include <windows.h>
#include <winsplp.h>

#include <optional>
#include <string>
#include <vector>

#include "common/win/library.h"

namespace portmon::test {

class MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads and initialises the monitor; tests may prepare the registry first.
  void StartMonitor();

  // Below HKLM\<root>.
  void SetDwordValue(const std::wstring& name, DWORD value);
  void CreateSubkey(const std::wstring& name);
  bool ValueExists(const std::wstring& name);
  // The port's stored address; nothing when the value is missing or no DWORD.
  std::optional<DWORD> DwordValue(const std::wstring& name);
  bool SubkeyExists(const std::wstring& name);

  std::vector<std::wstring> PortNames();

  std::wstring root;
  MONITOR table{};
  Library module;
};

}  // namespace portmon::test
