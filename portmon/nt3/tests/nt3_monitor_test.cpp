// portmonnt3.dll as the NT 3.51 spooler meets it: InitializeMonitor, then
// every function looked up by its exported name. Its ports are dotted
// addresses with the monitor's suffix; the add dialog is worked as a user
// would.
#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <string>
#include <vector>

#include "portmon/shell/dialog_resources.h"
#include "common/win/library.h"
#include "common/win/registry_key.h"
#include "common/win/testing/dialog_driver.h"
#include "portmon/testing/local_monitor_port.h"

namespace portmon::test {
namespace {

using namespace testkit;

using Names = std::vector<std::wstring>;

constexpr wchar_t kCaption[] = L"NRV Network Port";
constexpr wchar_t kMonitorName[] = L"portmonnt3";
constexpr wchar_t kInvalidAddress[] =
    L"このIPｱﾄﾞﾚｽは無効です.\nﾄﾞｯﾄﾃﾞｼﾏﾙ表記でIPｱﾄﾞﾚｽを正しく入力してください.\n\n(例)"
    L"123.123.123.123";
constexpr wchar_t kNothingToConfigure[] = L"このポートに対して設定する項目はありません.";

using InitializeFunction = BOOL(WINAPI*)(LPWSTR);
using EnumPortsFunction = BOOL(WINAPI*)(LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
using PortDialogFunction = BOOL(WINAPI*)(LPWSTR, HWND, LPWSTR);
using OpenPortFunction = BOOL(WINAPI*)(LPWSTR, PHANDLE);
using ClosePortFunction = BOOL(WINAPI*)(HANDLE);

class Nt3MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    root_ = L"Software\\NicSuiteTests\\portmonnt3-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(++counter);
    ASSERT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, root_.c_str(), KEY_ALL_ACCESS));
  }
  void TearDown() override {
    module_.reset();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, root_.c_str());
  }

  void StartMonitor() {
    module_ = Library(LoadLibraryW(L"portmonnt3.dll"));
    ASSERT_TRUE(module_);
    auto initialize = Entry<InitializeFunction>("InitializeMonitor");
    ASSERT_NE(initialize, nullptr);
    ASSERT_TRUE(initialize(root_.data()));
  }

  template <typename Function>
  Function Entry(const char* name) {
    return module_.Find<Function>(name);
  }

  void StoreAddressValue(const wchar_t* name, DWORD address) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, root_.c_str(), name, REG_DWORD, &address,
                              sizeof address),
              ERROR_SUCCESS);
  }
  // The stored value's type and data, or type REG_NONE when there is none.
  std::pair<DWORD, DWORD> StoredValue(const wchar_t* name) {
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, root_.c_str(), name, RRF_RT_ANY, &type, &data, &size) !=
        ERROR_SUCCESS) {
      return {REG_NONE, 0};
    }
    return {type, data};
  }
  DWORD SubkeyCount() {
    DWORD count = 0;
    if (const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, root_.c_str(), KEY_READ)) {
      RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr);
    }
    return count;
  }

  Names PortNames() {
    auto enumPorts = Entry<EnumPortsFunction>("EnumPortsW");
    DWORD needed = 0;
    DWORD count = 0;
    enumPorts(nullptr, 1, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    Names names;
    if (!enumPorts(nullptr, 1, buffer.data(), needed, &needed, &count)) return names;
    const auto* ports = reinterpret_cast<const PORT_INFO_1W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) names.emplace_back(ports[i].pName);
    return names;
  }

  DialogSession AddPort() {
    auto addPort = Entry<PortDialogFunction>("AddPortW");
    return DialogSession(kCaption, [addPort] {
      return addPort(nullptr, nullptr, const_cast<wchar_t*>(kMonitorName));
    });
  }

  std::wstring root_;
  Library module_;
};

TEST_F(Nt3MonitorTest, ExportsEveryFunctionTheSpoolerLooksUpByName) {
  StartMonitor();
  for (const char* name :
       {"EnumPortsW", "OpenPort", "StartDocPort", "WritePort", "ReadPort", "EndDocPort",
        "ClosePort", "AddPortW", "ConfigurePortW", "DeletePortW", "GetPrinterDataFromPort"}) {
    EXPECT_NE(GetProcAddress(module_.get(), name), nullptr) << name;
  }
  EXPECT_EQ(GetProcAddress(module_.get(), "InitializeMonitorEx"), nullptr);
}

TEST_F(Nt3MonitorTest, LoadsAddressValuesOnlyAndNamesThemWithTheSuffix) {
  StoreAddressValue(L"10.0.0.9", 0x0900000A);
  StoreAddressValue(L"printer.example", 0x0100000A);  // no address: not a port of this build
  StartMonitor();
  EXPECT_EQ(PortNames(), Names{L"10.0.0.9 (NRV TCP/IP Port)"});

  HANDLE port = nullptr;
  auto openPort = Entry<OpenPortFunction>("OpenPort");
  EXPECT_TRUE(openPort(const_cast<wchar_t*>(L"10.0.0.9 (NRV TCP/IP Port)"), &port));
  Entry<ClosePortFunction>("ClosePort")(port);
  EXPECT_FALSE(openPort(const_cast<wchar_t*>(L"10.0.0.9"), &port));
}

TEST_F(Nt3MonitorTest, AddDialogTakesStrictDottedAddressesOnly) {
  StartMonitor();
  DialogSession session = AddPort();
  ASSERT_NE(session.Dialog(), nullptr);
  EXPECT_EQ(session.Send(IDC_PORT_NAME, EM_GETLIMITTEXT), 32);
  const std::vector<std::wstring> labels = StaticTexts(session.Dialog());
  EXPECT_NE(std::find(labels.begin(), labels.end(), L"IPｱﾄﾞﾚｽ入力(&E):"), labels.end());

  for (const wchar_t* invalid : {L"10.0.0.256", L"10.0.0", L"10.0.0.7.", L"10..0.7",
                                 L"printer.example", L""}) {
    session.Type(IDC_PORT_NAME, invalid);
    EXPECT_EQ(session.Click(IDOK), (Messages{{kInvalidAddress, Icon::Exclamation}})) << invalid;
  }
  session.Type(IDC_PORT_NAME, L"0.0.0.0");
  EXPECT_EQ(session.Click(IDOK),
            (Messages{{L"このIPｱﾄﾞﾚｽ: 0.0.0.0 は無効です.\nﾄﾞｯﾄﾃﾞｼﾏﾙ表記でIPｱﾄﾞﾚｽを正しく入力し"
                       L"てください.\n\n(例)123.123.123.123",
                       Icon::Exclamation}}));
  session.Type(IDC_PORT_NAME, L"10.0.0.7");
  EXPECT_EQ(session.Click(IDOK), Messages{});
  const CallEnd end = session.Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_TRUE(end.result);

  EXPECT_EQ(PortNames(), Names{L"10.0.0.7 (NRV TCP/IP Port)"});
  EXPECT_EQ(StoredValue(L"10.0.0.7"), (std::pair<DWORD, DWORD>{REG_DWORD, 0x0700000A}));
  EXPECT_EQ(SubkeyCount(), 0u);
}

TEST_F(Nt3MonitorTest, AddDialogRefusesAnAddressTheSpoolerHasAlready) {
  // The spooler lists the port under its full name, as when this monitor
  // serves it.
  LocalMonitorPort listed(L"10.0.0.7 (NRV TCP/IP Port)");
  StartMonitor();
  DialogSession session = AddPort();
  session.Type(IDC_PORT_NAME, L"10.0.0.7");
  EXPECT_EQ(session.Click(IDOK),
            (Messages{{L"このIPｱﾄﾞﾚｽ 10.0.0.7 はすでに存在しています.", Icon::Stop}}));
  EXPECT_EQ(session.Click(IDCANCEL), Messages{});
  EXPECT_FALSE(session.Finish().result);
  EXPECT_EQ(PortNames(), Names{});
}

TEST_F(Nt3MonitorTest, AddAnswersOnlyToItsOwnMonitorName) {
  StartMonitor();
  auto addPort = Entry<PortDialogFunction>("AddPortW");
  EXPECT_FALSE(addPort(nullptr, nullptr, const_cast<wchar_t*>(L"NRV Network Port")));
  EXPECT_EQ(PortNames(), Names{});
}

TEST_F(Nt3MonitorTest, ConfigureHasNothingToSetAndDeleteRemovesTheBareAddressValue) {
  StoreAddressValue(L"10.0.0.7", 0x0700000A);
  StartMonitor();
  const std::wstring port = L"10.0.0.7 (NRV TCP/IP Port)";
  auto configure = Entry<PortDialogFunction>("ConfigurePortW");
  DialogSession session(kCaption, [configure, port] {
    return configure(nullptr, nullptr, const_cast<wchar_t*>(port.c_str()));
  });
  const CallEnd end = session.Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_FALSE(end.result);
  EXPECT_EQ(end.messages, (Messages{{kNothingToConfigure, Icon::Information}}));
  EXPECT_EQ(StoredValue(L"10.0.0.7"), (std::pair<DWORD, DWORD>{REG_DWORD, 0x0700000A}));
  EXPECT_EQ(PortNames(), Names{port});

  auto deletePort = Entry<PortDialogFunction>("DeletePortW");
  EXPECT_TRUE(deletePort(nullptr, nullptr, const_cast<wchar_t*>(port.c_str())));
  EXPECT_EQ(PortNames(), Names{});
  EXPECT_EQ(StoredValue(L"10.0.0.7").first, static_cast<DWORD>(REG_NONE));
}

}  // namespace
}  // namespace portmon::test
