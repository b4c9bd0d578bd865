// From both sheets to the mail: the administrator fills in the mail
// settings sheet (a Japanese name, an empty subject) and ticks a printer's
// toner page; the agent's poll, with the status manager stand-in reporting
// toner out, then sends one mail. decode_alarm_mail.py reads that mail with
// Python's own decoder afterwards.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "agent/poll_cycle.h"
#include "common/dav_registry.h"
#include "common/dav_ui_entries.h"
#include "common/win/registry_key.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/recorded_mail.h"
#include "common/win/testing/registry_sandbox.h"
#include "maintui/mail_settings_sheet.h"
#include "maintui/mail_sheet_ids.h"
#include "outside/installer_keys/key_writer.h"
#include "rmmmodelui/alarm_dialog_ids.h"

namespace {

using namespace testkit;

constexpr char kPrinter[] = "E2E-PRN";
constexpr char kModel[] = "LP-9800C";
const std::string kPrinterKey = std::string(dav::kPrintersKey) + "\\" + kPrinter;
const std::string kStatusKey = std::string("SOFTWARE\\NicSuite\\StatusManager\\") + kPrinter;

void SetText(HWND control, const wchar_t* text) {
  SendWithin(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// The spooler's printer of the maker on a local port, and the model key as
// the installer writes it.
void DefinePrinter(const std::string& installFolder) {
  RegistrySandbox::SetString(kPrinterKey.c_str(), "Name", kPrinter);
  RegistrySandbox::SetString(kPrinterKey.c_str(), "Port", "FILE:");
  RegistrySandbox::SetString(kPrinterKey.c_str(), dav::kPrinterDriver, std::string(dav::kDriverPrefix) + kModel);
  RegistrySandbox::SetString(kPrinterKey.c_str(), "Print Processor", "winprint");
  RegistrySandbox::SetString(kPrinterKey.c_str(), "Datatype", "RAW");
  RegistrySandbox::SetDword(kPrinterKey.c_str(), "Attributes", 0);
  RegistryKey::Create(HKEY_LOCAL_MACHINE, (kPrinterKey + "\\" + dav::kDriverData).c_str(), KEY_ALL_ACCESS);
  installer::InstallRequest installed;
  installed.model = installer::ModelEntry{kModel, ProgramBeside("rmmmodel.dll"), ProgramBeside("rmmmodelui.dll")};
  installed.installDirectory = installFolder;
  std::string failure;
  ASSERT_TRUE(installer::WriteInstallerKeys(installed, failure)) << failure;
  RegistrySandbox::SetDword("SOFTWARE\\NicSuite\\Development", "MailPauseMs", 0);
}

void FillMailSettings() {
  DialogSession session(L"メール通知の設定", [] {
    maintui::ShowMailSettingsSheet(nullptr);
    return TRUE;
  });
  HWND sheet = session.WindowTitled(L"メール通知の設定");
  ASSERT_NE(sheet, nullptr);
  HWND page = CurrentPage(sheet);
  SetText(GetDlgItem(page, IDC_MAIL_NAME), L"山田 太郎");
  SetText(GetDlgItem(page, IDC_MAIL_ADDRESS), L"admin@office.test");
  SetText(GetDlgItem(page, IDC_MAIL_SERVER), L"127.0.17.4");
  SetText(GetDlgItem(page, IDC_MAIL_SUBJECT), L"");
  EXPECT_EQ(PressSheetButton(session, sheet, SheetButton::Ok), Messages{});
  EXPECT_TRUE(WaitUntilGone(sheet));
}

// The model's pages, loaded from the path the model key holds, as the mail
// settings UI loads them.
void TickTonerPage() {
  const std::string pages = RegistryKey::Open(HKEY_LOCAL_MACHINE, (std::string(dav::kModelsKey) + "\\" + kModel).c_str(),
                                              KEY_READ)
                                .ReadTextUpTo(dav::kPagesPath, MAX_PATH);
  HMODULE dll = LoadLibraryA(pages.c_str());
  ASSERT_NE(dll, nullptr) << pages;
  auto show = reinterpret_cast<DavUiDllMainEntry>(reinterpret_cast<void*>(GetProcAddress(dll, "DavUiDllMain")));
  ASSERT_NE(show, nullptr);
  {
    DialogSession session(L"アラームの発信設定", [show] { return static_cast<BOOL>(show(kPrinter, 0, nullptr)); });
    HWND sheet = session.WindowTitled(L"アラームの発信設定 - E2E-PRN");
    ASSERT_NE(sheet, nullptr);
    session.Tick(CurrentPage(sheet), IDC_ALARM_NOTIFY, true);
    SetText(GetDlgItem(CurrentPage(sheet), IDC_ALARM_TO), L"service@office.test");
    EXPECT_EQ(PressSheetButton(session, sheet, SheetButton::Ok), Messages{});
    EXPECT_TRUE(session.Finish().finished);
  }
  FreeLibrary(dll);
}

void ReportTonerOut() {
  const DWORD status[3] = {0, 0, 0x1 | 0x2};
  const DWORD pages = 1000;
  RegistrySandbox::SetBinary(kStatusKey.c_str(), "PrinterStatus", status, sizeof status);
  RegistrySandbox::SetBinary(kStatusKey.c_str(), "PageCount", &pages, sizeof pages);
}

TEST(AlarmMailEndToEnd, BothSheetsSetUpTheMailThePollThenSends) {
  RegistrySandbox sandbox;
  ASSERT_TRUE(sandbox.ready());
  TemporaryFolder folder;
  InitCommonControls();
  DefinePrinter(folder.path());
  FillMailSettings();
  TickTonerPage();
  // The name is stored in the system's code page, as the agents read it.
  EXPECT_EQ(RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ).ReadString(dav::kName, 100),
            std::string("\x8E\x52\x93\x63\x20\x91\xBE\x98\x59"));
  ReportTonerOut();

  agent::PollResources resources;
  ASSERT_TRUE(resources.Prepare(agent::AgentKind::Service));
  const std::size_t before = RecordedSessions().size();
  EXPECT_EQ(agent::RunPoll(resources), agent::PollOutcome::Done);
  const std::vector<std::string> sessions = RecordedSessions();
  ASSERT_EQ(sessions.size(), before + 1);
  const std::string& mail = sessions.back();
  EXPECT_NE(mail.find("RCPT TO:<service@office.test>\r\n"), std::string::npos) << mail;
  EXPECT_NE(mail.find("\r\nTo: service@office.test\r\n"), std::string::npos);
  EXPECT_EQ(mail.find("Subject:"), std::string::npos);
}

}  // namespace
