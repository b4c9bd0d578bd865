// The whole way in the prefix's real registry, where the service reads: a
// printer defined for Wine's spooler is made eligible by the module's
// enumerator and ticked in its alarm sheet; "maintsvc -debug" then polls it
// once, the status manager stand-in reporting toner out, and the mail
// reaches the recording server on 127.0.17.6. Every value written comes
// back as it was.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/dav_registry.h"
#include "common/mail_printer_item.h"
#include "common/win/printer_item_name.h"
#include "common/win/registry_key.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/property_sheet_driver.h"
#include "common/win/testing/recorded_mail.h"
#include "common/win/testing/registry_sandbox.h"
#include "common/win/testing/saved_registry_value.h"
#include "maintui/rmmui.h"
#include "maintui/tests/mail_objects.h"
#include "rmmmodelui/alarm_dialog_ids.h"

namespace {

using namespace testkit;

constexpr char kPrinter[] = "MAINTUI-E2E";
constexpr char kModel[] = "LP-E2E";
const std::string kPrinterKey = std::string(dav::kPrintersKey) + "\\" + kPrinter;
const std::string kDriverData = kPrinterKey + "\\" + dav::kDriverData;
const std::string kModelKey = std::string(dav::kModelsKey) + "\\" + kModel;
const std::string kStatusKey = std::string("SOFTWARE\\NicSuite\\StatusManager\\") + kPrinter;

// The module's enumerator decides every printer, and so makes this one
// eligible.
bool EnumeratorHandsOut(const char* printer) {
  const auto printers = ObjectOf<IRMMUIEnum>(CLSID_RMMUIEnum);
  if (!printers) return false;
  bool found = false;
  LPITEMIDLIST item = nullptr;
  while (printers->Next(1, &item, nullptr) == S_OK) {
    const std::size_t size = *reinterpret_cast<const std::uint16_t*>(item) + 2u;
    const auto read = dav::ReadMailPrinterItem({reinterpret_cast<const std::uint8_t*>(item), size});
    found = found || (read && read->name == printer);
    CoTaskMemFree(item);
  }
  return found;
}

void TickTonerPageThroughTheMenu() {
  const auto menu = ObjectOf<IRMMUIMenu>(CLSID_RMMUIMenu);
  ASSERT_TRUE(menu);
  LPITEMIDLIST item = NewMailPrinterItem({kPrinter, 1, "LPT1:"});
  LPCITEMIDLIST items[] = {item};
  ASSERT_EQ(menu->Initialize(nullptr, 1, items, 0), S_OK);
  ASSERT_EQ(menu->InvokeCommand(203), S_OK);
  TickTonerPage(L"アラームの発信設定 - MAINTUI-E2E", L"service@office.test");
  CoTaskMemFree(item);
}

TEST(AgentEndToEnd, APrinterMadeEligibleAndTickedIsPolledByTheServiceAndItsTonerMailSent) {
  ASSERT_EQ(RunRegsvr32("maintui.dll", false), 0u);
  CoInitialize(nullptr);
  InitCommonControls();
  TemporaryFolder install;
  {
    RealRegistryValues real;
    real.Text(kPrinterKey, "Name", kPrinter);
    real.Text(kPrinterKey, "Port", "LPT1:");
    real.Text(kPrinterKey, dav::kPrinterDriver, std::string(dav::kDriverPrefix) + kModel);
    real.Text(kPrinterKey, "Print Processor", "winprint");
    real.Text(kPrinterKey, "Datatype", "RAW");
    real.Dword(kPrinterKey, "Attributes", 0x800);
    real.Missing(kDriverData, dav::kPrinterEligible);
    real.Dword(kModelKey, dav::kSupport, 1);
    real.Text(kModelKey, dav::kPluginPath, ProgramBeside("rmmmodel.dll"));
    real.Text(kModelKey, dav::kPagesPath, ProgramBeside("rmmmodelui.dll"));
    real.Text(dav::kMailKey, dav::kName, "山田 太郎");
    real.Text(dav::kMailKey, dav::kMail, "admin@office.test");
    real.Text(dav::kMailKey, dav::kServer, "127.0.17.6");
    real.Missing(dav::kMailKey, dav::kServiceInterval);  // one poll
    real.Text(dav::kUninstallKey, dav::kUninstallString, install.path() + "\\uninstall.exe");
    real.Dword("SOFTWARE\\NicSuite\\Development", "MailPauseMs", 0);
    const DWORD status[3] = {0, 0, 0x1 | 0x2};
    const DWORD pages = 1000;
    real.Binary(kStatusKey, "PrinterStatus", status, sizeof status);
    real.Binary(kStatusKey, "PageCount", &pages, sizeof pages);

    ASSERT_TRUE(EnumeratorHandsOut(kPrinter));
    EXPECT_EQ(RealValueText(kDriverData, dav::kPrinterEligible), "1");
    TickTonerPageThroughTheMenu();
    EXPECT_EQ(RealValueText(kDriverData, dav::kCheckMail), "1");

    const std::size_t before = RecordedSessions().size();
    const ConsoleRun poll = RunConsole("\"" + ProgramBeside("maintsvc.exe") + "\" -debug", 60000);
    EXPECT_EQ(poll.exitCode, 0u) << poll.output;
    ASSERT_EQ(RecordedSessions().size(), before + 1);
    const std::string mail = RecordedSessions().back();
    EXPECT_NE(mail.find("RCPT TO:<service@office.test>\r\n"), std::string::npos) << mail;
    EXPECT_NE(mail.find("\r\nTo: service@office.test\r\n"), std::string::npos);
  }
  EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kPrinterKey.c_str(), KEY_READ));
  EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kModelKey.c_str(), KEY_READ));
  CoUninitialize();
  RunRegsvr32("maintui.dll", true);
}

}  // namespace
