#include <gtest/gtest.h>

#include <cwctype>
#include <optional>
#include <string>
#include <vector>

#include "common/win/testing/dialog_driver.h"
#include "portmon/testing/local_monitor_port.h"
#include "portmon/nt4/tests/monitor_fixture.h"
#include "portmon/shell/dialog_resources.h"

namespace portmon::test {
namespace {

using namespace testkit;

using Names = std::vector<std::wstring>;

constexpr wchar_t kMonitorName[] = L"NRV Network Port";
constexpr wchar_t kInvalidAddress[] =
    L"このｱﾄﾞﾚｽは無効です.\nｱﾄﾞﾚｽを正しく入力してください.\n\n(例)123.123.123.123, "
    L"prn1.office.example.co.jp";
constexpr wchar_t kNicSilent[] = L"プリンタＮＩＣから応答が返ってきませんでした．";
constexpr wchar_t kNoPowerControl[] = L"このプリンタＮＩＣはリモート電源制御をサポートしていません";
constexpr wchar_t kInvalidMac[] =
    L"このＭＡＣアドレスは無効です．\n正しく入力してください．\n（例）11:22:33:44:55:66";
constexpr wchar_t kNoMac[] = L"00:00:00:00:00:00";

std::wstring AddressExists(const std::wstring& name) {
  return L"このｱﾄﾞﾚｽ " + name + L" はすでに存在しています.";
}

class DialogTest : public MonitorTest {
 protected:
  // Ports named by the NIC's dotted address, as the add dialog leaves them.
  void StartWithPorts(const Names& names) {
    for (const auto& name : names) {
      SetDwordValue(name, 0);
      CreateSubkey(name);
    }
    StartMonitor();
  }

  DialogSession AddPort(const wchar_t* monitorName = kMonitorName) {
    return DialogSession(kMonitorName, [this, monitorName] {
      return table.pfnAddPort(nullptr, nullptr, const_cast<wchar_t*>(monitorName));
    });
  }

  DialogSession ConfigurePort(const std::wstring& port) {
    return DialogSession(kMonitorName, [this, port] {
      return table.pfnConfigurePort(nullptr, nullptr, const_cast<wchar_t*>(port.c_str()));
    });
  }

  std::optional<std::wstring> Setting(const std::wstring& port, const wchar_t* value) {
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, (root + L"\\" + port).c_str(), value, RRF_RT_REG_SZ,
                     nullptr, text, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::wstring(text);
  }

  void Store(const std::wstring& port, const wchar_t* value, const std::wstring& text) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, (root + L"\\" + port).c_str(), value, REG_SZ,
                              text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

  // Ends the dialog with `button` and checks how the monitor call returned.
  static void EndWith(DialogSession& session, int button, BOOL result, DWORD error = 0) {
    EXPECT_EQ(session.Click(button), Messages{});
    const CallEnd end = session.Finish();
    ASSERT_TRUE(end.finished);
    EXPECT_EQ(end.messages, Messages{});
    EXPECT_EQ(end.result, result);
    if (!result) {
      EXPECT_EQ(end.error, error);
    }
  }
};

TEST_F(DialogTest, AddRefusesInvalidNamesAndNamesAnyMonitorHasAlready) {
  const std::wstring taken = L"dialog-taken-" + std::to_wstring(GetCurrentProcessId()) + L".example";
  LocalMonitorPort byName(taken);
  LocalMonitorPort byAddress(L"10.0.0.07");
  StartMonitor();
  DialogSession session = AddPort();
  ASSERT_NE(session.Dialog(), nullptr);
  EXPECT_EQ(WindowText(session.Dialog()), kMonitorName);
  EXPECT_EQ(session.Send(IDC_PORT_NAME, EM_GETLIMITTEXT), 127);

  for (const wchar_t* invalid : {L"", L"   ", L"  .x"}) {
    session.Type(IDC_PORT_NAME, invalid);
    EXPECT_EQ(session.Click(IDOK), (Messages{{kInvalidAddress, Icon::Exclamation}}));
  }
  std::wstring upper = taken;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  for (const std::wstring& name : {upper, std::wstring(L"10.0.0.7")}) {
    session.Type(IDC_PORT_NAME, name);
    EXPECT_EQ(session.Click(IDOK), (Messages{{AddressExists(name), Icon::Stop}}));
  }
  EndWith(session, IDCANCEL, FALSE, ERROR_CANCELLED);
  EXPECT_EQ(PortNames(), Names{});
  EXPECT_FALSE(SubkeyExists(upper));
}

TEST_F(DialogTest, AddStoresAnAddressAsValueAndSubkeyAndAHostNameAsSubkeyOnly) {
  StartMonitor();
  for (const wchar_t* name : {L"10.1.2.3", L"prn-dialog.example"}) {
    DialogSession session = AddPort();
    session.Type(IDC_PORT_NAME, name);
    EndWith(session, IDOK, TRUE);
  }
  EXPECT_EQ(PortNames(), (Names{L"10.1.2.3", L"prn-dialog.example"}));
  DWORD address = 0;
  DWORD size = sizeof address;
  EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, root.c_str(), L"10.1.2.3", RRF_RT_REG_DWORD, nullptr,
                         &address, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(address, 0x0302010Au);  // 10.1.2.3 in network order
  EXPECT_TRUE(SubkeyExists(L"10.1.2.3"));
  EXPECT_TRUE(SubkeyExists(L"prn-dialog.example"));
  EXPECT_FALSE(ValueExists(L"prn-dialog.example"));
}

// The NT 3.51 monitor's name is accepted too.
TEST_F(DialogTest, VersionButtonOpensTheVersionBoxOverTheAddDialog) {
  StartMonitor();
  DialogSession session = AddPort(L"PORTMONNT3");
  EXPECT_EQ(session.Click(IDC_SHOW_VERSION), Messages{});
  HWND version = session.Popup();
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(WindowText(version), L"ﾊﾞｰｼﾞｮﾝ情報");
  const auto texts = StaticTexts(version);
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0], kMonitorName);
  EXPECT_EQ(texts[1], L"Ver. 4.01");
  EXPECT_EQ(session.Click(version, IDOK), Messages{});
  EXPECT_TRUE(WaitUntilGone(version));
  EndWith(session, IDCANCEL, FALSE, ERROR_CANCELLED);
}

TEST_F(DialogTest, UnconfiguredPortShowsNoAddressWithFieldOpenAndCancelStoresNothing) {
  StartWithPorts({L"127.0.12.2"});
  DialogSession session = ConfigurePort(L"127.0.12.2");
  ASSERT_NE(session.Dialog(), nullptr);
  EXPECT_EQ(WindowText(session.Dialog()), kMonitorName);
  EXPECT_EQ(session.Text(IDC_MAC_ADDRESS), kNoMac);
  EXPECT_EQ(session.Send(IDC_MAC_ADDRESS, EM_GETLIMITTEXT), 17);
  EXPECT_FALSE(session.Ticked(IDC_POWER_CONTROL));
  EXPECT_TRUE(session.Enabled(IDC_MAC_ADDRESS));
  EXPECT_TRUE(session.Enabled(IDC_SEARCH));
  EndWith(session, IDCANCEL, TRUE);
  EXPECT_EQ(Setting(L"127.0.12.2", L"PowerControl"), std::nullopt);
  EXPECT_EQ(Setting(L"127.0.12.2", L"MAC Address"), std::nullopt);
}

TEST_F(DialogTest, TickedOkStoresTheAddressAndUntickedOkOnlySwitchesOff) {
  const std::wstring port = L"127.0.12.2";
  StartWithPorts({port});
  {
    DialogSession session = ConfigurePort(port);
    session.Tick(IDC_POWER_CONTROL, true);
    session.Type(IDC_MAC_ADDRESS, L"0:1:2:3:4:5");
    EndWith(session, IDOK, TRUE);
  }
  EXPECT_EQ(Setting(port, L"MAC Address"), L"0:1:2:3:4:5");
  EXPECT_EQ(Setting(port, L"PowerControl"), L"ON");
  {
    DialogSession session = ConfigurePort(port);
    EXPECT_EQ(session.Text(IDC_MAC_ADDRESS), L"0:1:2:3:4:5");
    EXPECT_TRUE(session.Ticked(IDC_POWER_CONTROL));
    session.Tick(IDC_POWER_CONTROL, false);
    EXPECT_FALSE(session.Enabled(IDC_MAC_ADDRESS));
    EXPECT_FALSE(session.Enabled(IDC_SEARCH));
    EndWith(session, IDOK, TRUE);
  }
  EXPECT_EQ(Setting(port, L"PowerControl"), L"OFF");
  EXPECT_EQ(Setting(port, L"MAC Address"), L"0:1:2:3:4:5");
  {
    DialogSession session = ConfigurePort(port);
    EXPECT_FALSE(session.Ticked(IDC_POWER_CONTROL));
    EXPECT_FALSE(session.Enabled(IDC_MAC_ADDRESS));
    EndWith(session, IDCANCEL, TRUE);
  }
  Store(port, L"PowerControl", L"oN");
  DialogSession session = ConfigurePort(port);
  EXPECT_TRUE(session.Ticked(IDC_POWER_CONTROL));
  EXPECT_TRUE(session.Enabled(IDC_MAC_ADDRESS));
  EndWith(session, IDCANCEL, TRUE);
}

TEST_F(DialogTest, RefusedAddressKeepsTheDialogOpenWithPowerControlAlreadyOn) {
  const std::wstring port = L"127.0.12.2";
  StartWithPorts({port});
  DialogSession session = ConfigurePort(port);
  session.Tick(IDC_POWER_CONTROL, true);
  for (const wchar_t* refused : {L"00::11:22:33:44", L"000:11:22:33:44:55", L""}) {
    session.Type(IDC_MAC_ADDRESS, refused);
    EXPECT_EQ(session.Click(IDOK), (Messages{{kInvalidMac, Icon::Exclamation}}));
    EXPECT_EQ(Setting(port, L"PowerControl"), L"ON");
  }
  EndWith(session, IDCANCEL, TRUE);
  EXPECT_EQ(Setting(port, L"MAC Address"), std::nullopt);
}

TEST_F(DialogTest, SearchFillsInTheAddressOfASwitchableNicAndSaysWhatIsWrongOtherwise) {
  StartWithPorts({L"127.0.12.2", L"127.0.12.3", L"127.0.12.4", L"127.0.12.5"});
  const std::pair<const wchar_t*, const wchar_t*> refusals[] = {
      {L"127.0.12.3", kNoPowerControl}, {L"127.0.12.5", kNoPowerControl},
      {L"127.0.12.4", kNicSilent}};
  for (const auto& [port, message] : refusals) {
    DialogSession session = ConfigurePort(port);
    EXPECT_EQ(session.Click(IDC_SEARCH), (Messages{{message, Icon::Stop}})) << port;
    EXPECT_EQ(session.Text(IDC_MAC_ADDRESS), kNoMac);
    EndWith(session, IDCANCEL, TRUE);
  }
  DialogSession session = ConfigurePort(L"127.0.12.2");
  session.Tick(IDC_POWER_CONTROL, true);
  EXPECT_EQ(session.Click(IDC_SEARCH), Messages{});
  EXPECT_EQ(session.Text(IDC_MAC_ADDRESS), L"00:80:87:0C:AB:12");
  EndWith(session, IDOK, TRUE);
  EXPECT_EQ(Setting(L"127.0.12.2", L"MAC Address"), L"00:80:87:0C:AB:12");
}

}  // namespace
}  // namespace portmon::test
