// GetPrinterDataFromPort through the monitor's table, against the simulated
// printers of the monitor network (127.0.2.x).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/win/testing/last_error.h"
#include "portmon/nt4/tests/monitor_fixture.h"

namespace portmon::test {
namespace {

constexpr DWORD kNicStatus = 300;
constexpr DWORD kPowerControlEnabled = 301;
constexpr DWORD kPowerOn = 302;
constexpr DWORD kDeviceIdIoctl = 0x0016000C;

class PrinterDataTest : public MonitorTest {
 protected:
  HANDLE Open(const wchar_t* name) {
    SetDwordValue(name, 0);
    StartMonitor();
    HANDLE handle = nullptr;
    EXPECT_TRUE(table.pfnOpenPort(const_cast<wchar_t*>(name), &handle));
    return handle;
  }

  BOOL Ask(HANDLE port, DWORD code, void* output, DWORD size, DWORD& returned) {
    return table.pfnGetPrinterDataFromPort(port, code, nullptr, nullptr, 0,
                                           static_cast<LPWSTR>(output), size, &returned);
  }

  void SetPortText(const wchar_t* port, const wchar_t* value, const wchar_t* text) {
    const std::wstring key = root + L"\\" + port;
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), value, REG_SZ, text,
                              static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
};

TEST_F(PrinterDataTest, NicStatusAnswerCarriesTheFirmwareVersion) {
  HANDLE port = Open(L"127.0.2.2");
  BYTE answer[16];
  std::memset(answer, 0xEE, sizeof answer);
  DWORD returned = 0;
  ASSERT_TRUE(Ask(port, kNicStatus, answer, sizeof answer, returned));
  EXPECT_EQ(returned, 16u);
  EXPECT_EQ(std::memcmp(answer, "NRVPM\0\x04\x01" "2.05b", 13), 0);

  std::memset(answer, 0xEE, sizeof answer);
  returned = 77;
  EXPECT_TRUE(Ask(port, kNicStatus, answer, 15, returned));
  EXPECT_EQ(returned, 77u);
  EXPECT_EQ(answer[0], 0xEE);
}

TEST_F(PrinterDataTest, DeviceIdIsTheStatusText) {
  HANDLE port = Open(L"127.0.2.2");
  char text[128] = {};
  DWORD returned = 0;
  ASSERT_TRUE(Ask(port, kDeviceIdIoctl, text, sizeof text, returned));
  EXPECT_EQ(std::string(text, returned), "MFG:NRV;MDL:LP-9800C;CLS:PRINTER;");
}

TEST_F(PrinterDataTest, PowerControlFollowsThePortSettings) {
  HANDLE port = Open(L"127.0.2.2");
  DWORD returned = 0;
  EXPECT_FALSE(Ask(port, kPowerControlEnabled, nullptr, 0, returned));
  SetPortText(L"127.0.2.2", L"PowerControl", L"on");
  EXPECT_TRUE(Ask(port, kPowerControlEnabled, nullptr, 0, returned));
  // Without a stored MAC address nothing can be woken.
  EXPECT_FALSE(Ask(port, kPowerOn, nullptr, 0, returned));
}

TEST_F(PrinterDataTest, UnknownCodesAreRefused) {
  HANDLE port = Open(L"127.0.2.2");
  BYTE answer[16];
  DWORD returned = 99;
  testkit::PresetLastError();
  EXPECT_FALSE(Ask(port, 303, answer, sizeof answer, returned));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(returned, 0u);
  testkit::PresetLastError();
  EXPECT_FALSE(Ask(port, 17, answer, sizeof answer, returned));  // the 95 build's device ID
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

}  // namespace
}  // namespace portmon::test
