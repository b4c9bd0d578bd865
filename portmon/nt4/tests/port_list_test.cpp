#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/win/testing/last_error.h"
#include "portmon/nt4/tests/monitor_fixture.h"

namespace portmon::test {
namespace {

using Names = std::vector<std::wstring>;

TEST_F(MonitorTest, ValueAndSubkeyOfOneNameGiveOnePort) {
  SetDwordValue(L"192.168.0.5", 0);
  CreateSubkey(L"192.168.0.5");
  CreateSubkey(L"prn1.office.example");
  CreateSubkey(L"   .hidden");
  CreateSubkey(std::wstring(128, L'x'));
  CreateSubkey(std::wstring(127, L'y'));
  StartMonitor();
  EXPECT_EQ(PortNames(), (Names{L"192.168.0.5", L"prn1.office.example", std::wstring(127, L'y')}));
}

TEST_F(MonitorTest, EnumPortsLevelTwoCarriesMonitorNameDescriptionAndType) {
  SetDwordValue(L"10.0.0.7", 0);
  StartMonitor();
  DWORD needed = 0, count = 0;
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnEnumPorts(nullptr, 2, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  const std::size_t strings = sizeof(wchar_t) * (9 + 17 + 16);
  EXPECT_EQ(needed, sizeof(PORT_INFO_2W) + strings);

  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(table.pfnEnumPorts(nullptr, 2, buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 1u);
  const auto* port = reinterpret_cast<const PORT_INFO_2W*>(buffer.data());
  EXPECT_STREQ(port->pPortName, L"10.0.0.7");
  EXPECT_STREQ(port->pMonitorName, L"NRV Network Port");
  EXPECT_STREQ(port->pDescription, L"NRV TCP/IP Port");
  EXPECT_EQ(port->fPortType, static_cast<DWORD>(PORT_TYPE_WRITE | PORT_TYPE_READ));
  // The strings sit at the buffer's end.
  EXPECT_EQ(reinterpret_cast<const BYTE*>(port->pPortName) + 18, buffer.data() + needed);
}

TEST_F(MonitorTest, EnumPortsOneByteShortReportsTheFullSize) {
  SetDwordValue(L"10.0.0.7", 0);
  CreateSubkey(L"printer-b");
  StartMonitor();
  DWORD needed = 0, count = 0;
  table.pfnEnumPorts(nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  DWORD again = 0;
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnEnumPorts(nullptr, 1, buffer.data(), needed - 1, &again, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(again, needed);
  EXPECT_TRUE(table.pfnEnumPorts(nullptr, 1, buffer.data(), needed, &again, &count));
  EXPECT_EQ(count, 2u);
  EXPECT_TRUE(table.pfnEnumPorts(nullptr, 0, nullptr, 0, &again, &count));
  EXPECT_EQ(again, 0u);
  EXPECT_EQ(count, 2u);
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnEnumPorts(nullptr, 3, buffer.data(), needed, &again, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
}

TEST_F(MonitorTest, OpenPortFindsNamesIgnoringCase) {
  CreateSubkey(L"Printer-B");
  StartMonitor();
  HANDLE handle = nullptr;
  EXPECT_TRUE(table.pfnOpenPort(const_cast<wchar_t*>(L"PRINTER-b"), &handle));
  EXPECT_NE(handle, nullptr);
  EXPECT_TRUE(table.pfnClosePort(handle));
  EXPECT_FALSE(table.pfnOpenPort(const_cast<wchar_t*>(L"printer-c"), &handle));
  EXPECT_FALSE(table.pfnSetPortTimeOuts(handle, nullptr, 0));
}

TEST_F(MonitorTest, DeleteRemovesValueAndSubkeyOfAddressesAndOnlyTheSubkeyOfNames) {
  SetDwordValue(L"10.0.0.7", 0);
  CreateSubkey(L"10.0.0.7");
  CreateSubkey(L"printer-b");
  StartMonitor();
  EXPECT_TRUE(table.pfnDeletePort(nullptr, nullptr, const_cast<wchar_t*>(L"PRINTER-B")));
  EXPECT_FALSE(SubkeyExists(L"printer-b"));
  EXPECT_TRUE(table.pfnDeletePort(nullptr, nullptr, const_cast<wchar_t*>(L"10.0.0.7")));
  EXPECT_FALSE(ValueExists(L"10.0.0.7"));
  EXPECT_FALSE(SubkeyExists(L"10.0.0.7"));
  EXPECT_EQ(PortNames(), Names{});
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnDeletePort(nullptr, nullptr, const_cast<wchar_t*>(L"10.0.0.7")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));
}

TEST_F(MonitorTest, AddPortExChecksMonitorNameLevelAndName) {
  StartMonitor();
  PORT_INFO_1W info{const_cast<wchar_t*>(L"prn-new.office.example")};
  auto* buffer = reinterpret_cast<LPBYTE>(&info);
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnAddPortEx(nullptr, 1, buffer, const_cast<wchar_t*>(L"Other Monitor")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnAddPortEx(nullptr, 3, buffer, const_cast<wchar_t*>(L"nrv network port")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
  for (const wchar_t* bad : {L"   ", L".", L"  .x"}) {
    PORT_INFO_1W badInfo{const_cast<wchar_t*>(bad)};
    testkit::PresetLastError();
    EXPECT_FALSE(table.pfnAddPortEx(nullptr, 1, reinterpret_cast<LPBYTE>(&badInfo),
                                    const_cast<wchar_t*>(L"NRV Network Port")));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  }
  ASSERT_TRUE(table.pfnAddPortEx(nullptr, 0xFFFFFFFF, buffer,
                                 const_cast<wchar_t*>(L"NRV Network Port")));
  EXPECT_TRUE(ValueExists(L"prn-new.office.example"));
  EXPECT_FALSE(SubkeyExists(L"prn-new.office.example"));
  EXPECT_EQ(PortNames(), Names{L"prn-new.office.example"});
}

// All ones tells the rest of the monitor to resolve the name; a dotted name
// keeps its address.
TEST_F(MonitorTest, AddPortExStoresAllOnesForAHostNameAndTheAddressOtherwise) {
  StartMonitor();
  for (const wchar_t* name : {L"prn-host.office.example", L"192.168.7.9"}) {
    PORT_INFO_1W info{const_cast<wchar_t*>(name)};
    ASSERT_TRUE(table.pfnAddPortEx(nullptr, 1, reinterpret_cast<LPBYTE>(&info),
                                   const_cast<wchar_t*>(L"NRV Network Port")));
  }
  EXPECT_EQ(DwordValue(L"prn-host.office.example"), std::optional<DWORD>(0xFFFFFFFF));
  // 192.168.7.9 in network byte order, as a little-endian DWORD.
  EXPECT_EQ(DwordValue(L"192.168.7.9"), std::optional<DWORD>(0x0907A8C0));
}

// Accepted names reach the dialog: see the dialog tests.
TEST_F(MonitorTest, AddPortRefusesOtherMonitorNames) {
  StartMonitor();
  testkit::PresetLastError();
  EXPECT_FALSE(table.pfnAddPort(nullptr, nullptr, const_cast<wchar_t*>(L"Other Monitor")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace portmon::test
