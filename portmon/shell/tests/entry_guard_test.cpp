// Nothing the monitor's work throws reaches the spooler: every build's job
// entry ends with FALSE and the reason as the thread's last error. The
// shared shell is linked in, with a spooler seam that throws; the NT 3.51
// build exports these same entries by name, the 95 build wraps them.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "common/win/registry_key.h"
#include "common/win/testing/last_error.h"
#include "common/win/testing/registry_sandbox.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/port_entries.h"
#include "portmon/shell/port_registry.h"
#include "portmon/win95/ansi_entries.h"

namespace portmon {
namespace {

constexpr wchar_t kRoot[] = L"Software\\NicSuiteTests\\EntryGuard";

const MonitorConfig kConfig{
    .variant = &kNt4Variant,
    .defaultKey = kRoot,
    .nameBufferChars = 256,
    .loadSubkeys = true,
    .valueType = PortValueType::DwordAddress,
    .addPortMonitorNameId = IDS_ADD_PORT_MONITOR_NAME,
    .extraAddPortMonitorName = nullptr,
    .attachOwnerInput = false,
    .ansiText = false,
    .addressPortsOnly = false,
    .addNameLimit = 127,
};

void* BrokenSpooler(void*, const std::u16string&) { throw std::runtime_error("spooler gone"); }

class EntryGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    const RegistryKey root = RegistryKey::Create(HKEY_LOCAL_MACHINE, kRoot, KEY_ALL_ACCESS);
    // One port per test: the monitor and its ports live as long as the
    // process, and a job cut short by an exception keeps its port busy.
    for (const wchar_t* port : {L"127.0.0.1", L"127.0.0.2"}) {
      const DWORD none = 0;
      ASSERT_EQ(RegSetValueExW(root.get(), port, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&none),
                               sizeof none),
                ERROR_SUCCESS);
    }
    MonitorSeams seams;
    seams.spooler.openPrinter = BrokenSpooler;
    Monitor& monitor = Monitor::Instance();
    ASSERT_TRUE(monitor.Initialize(nullptr, kRoot, kConfig, seams));
    std::lock_guard guard(monitor.lock());
    LoadPortsFromRegistry();
  }

  static HANDLE OpenedPort(const wchar_t* name) {
    HANDLE port = nullptr;
    EXPECT_TRUE(OpenPortEntry(const_cast<wchar_t*>(name), &port));
    return port;
  }

  RegistrySandbox sandbox;
};

TEST_F(EntryGuardTest, AThrowingSpoolerEndsTheJobEntryWithFalseAndTheReason) {
  const HANDLE port = OpenedPort(L"127.0.0.1");
  testkit::PresetLastError();
  EXPECT_FALSE(StartDocPortEntry(port, const_cast<wchar_t*>(L"printer"), 1, 1, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
}

TEST_F(EntryGuardTest, TheAnsiEntriesOfThe95BuildEndTheSameWay) {
  AnsiMonitorTable table{};
  FillAnsiMonitorTable(table);
  const HANDLE port = OpenedPort(L"127.0.0.2");
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnStartDocPort(port, const_cast<char*>("printer"), 1, 1, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
}

}  // namespace
}  // namespace portmon
