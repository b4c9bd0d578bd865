// rmmmodel.dll loaded by name and called as the agent calls it, with the
// status manager stand-in and the real mail sender beside it. The mails go
// to the recording server at 127.0.17.2; settings, status items and the mail
// log live in the test's own registry and folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "alertmail/core/iso2022jp.h"
#include "common/bounded_text.h"
#include "common/dav_records.h"
#include "common/dav_registry.h"
#include "common/status_manager_api.h"
#include "common/win/library.h"
#include "common/win/testing/recorded_mail.h"
#include "common/win/testing/registry_sandbox.h"
#include "outside/statusmgr/store_layout.h"

namespace {

using PluginEntry = int(WINAPI*)(DavAgentContext*, const char*);

constexpr char kPrinter[] = "総務部 ソフト課 Scribex";  // "ソ" ends in the byte '\'
constexpr char kDevelopmentKey[] = "SOFTWARE\\NicSuite\\Development";
constexpr std::uint64_t kWeek = 6048000000000;

const std::string kDriverData =
    std::string(dav::kPrintersKey) + "\\" + kPrinter + "\\" + dav::kDriverData;
const std::string kStore = std::string(statusmgr::kStoreKey) + "\\" + kPrinter;

std::string Jis(const char* shiftJis) {
  std::string converted;
  EXPECT_TRUE(alertmail::ToIso2022Jp(shiftJis, 256, converted));
  return converted;
}

std::uint64_t Now() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    RegistrySandbox::SetString(dav::kUninstallKey, dav::kUninstallString,
                               folder.path() + "\\uninstall.exe");
    MailServer("127.0.17.2");
    RegistrySandbox::SetString(dav::kMailKey, dav::kName, "Admin");
    RegistrySandbox::SetString(dav::kMailKey, dav::kMail, "admin@office.test");
    RegistrySandbox::SetDword(kDevelopmentKey, "MailPauseMs", 0);
    RegistrySandbox::SetString(kDriverData.c_str(), dav::kTonerTo, "toner@office.test");
    RegistrySandbox::SetString(kDriverData.c_str(), dav::kMaintenanceTo, "service@office.test");
    PrinterState(0x1, 1000);
    PrepareContextAsTheAgentDoes();
    plugin = Library(LoadLibraryA("rmmmodel"));
    entry = plugin.Find<PluginEntry>("DavDllMain");
    ASSERT_NE(entry, nullptr);
  }

  void PrepareContextAsTheAgentDoes() {
    statusManager = Library(LoadLibraryA(kStatusManagerLibrary));
    ASSERT_TRUE(statusManager);
    CopyBoundedText(context.printerName, kPrinter);
    context.statusManager = statusManager.get();
    context.openManager = statusManager.Find<void*>("OpenManagerExA");
    context.closeManager = statusManager.Find<void*>("CloseManager");
    context.getPrinterStatus = statusManager.Find<void*>("GetPrinterStatusA");
    context.status = &status;
  }

  static void MailServer(const char* server) {
    RegistrySandbox::SetString(dav::kMailKey, dav::kServer, server);
  }
  static void PrinterState(std::uint32_t state, std::uint32_t pageCount) {
    const std::uint32_t words[3] = {0, 0, state};
    RegistrySandbox::SetBinary(kStore.c_str(), "PrinterStatus", words, sizeof words);
    RegistrySandbox::SetBinary(kStore.c_str(), "PageCount", &pageCount, sizeof pageCount);
  }
  static void Setting(const char* name, DWORD value) {
    RegistrySandbox::SetDword(kDriverData.c_str(), name, value);
  }
  static DWORD Read(const std::string& key, const char* name) {
    DWORD value = 0xBAD;
    RegistrySandbox::GetDword(key.c_str(), name, value);
    return value;
  }
  static std::uint64_t NextTonerMail() {
    std::uint64_t value = 0;
    DWORD size = sizeof value;
    RegGetValueA(HKEY_LOCAL_MACHINE, kDriverData.c_str(), dav::kNextTonerMail, RRF_RT_REG_BINARY,
                 nullptr, &value, &size);
    return value;
  }

  int Call() { return entry(&context, context.printerName); }

  RegistrySandbox sandbox;
  TemporaryFolder folder;
  DavPrinterStatus status{};
  DavAgentContext context{};
  Library statusManager;
  Library plugin;
  PluginEntry entry = nullptr;
};

TEST_F(PluginTest, TonerOutIsMailedOnceAndTheNextMailWaitsAWeek) {
  Setting(dav::kCheckMail, 0x01);
  PrinterState(0x1 | 0x2, 1000);
  const std::size_t before = RecordedSessions().size();
  const std::uint64_t started = Now();
  EXPECT_EQ(Call(), 1);
  const std::uint64_t ended = Now();
  const auto sessions = RecordedSessions();
  ASSERT_EQ(sessions.size(), before + 1);
  const std::string& mail = sessions.back();
  EXPECT_NE(mail.find("RCPT TO:<toner@office.test>"), std::string::npos);
  EXPECT_NE(mail.find(Jis("ＥＰカートリッジ交換")), std::string::npos);
  EXPECT_NE(mail.find(Jis("76 トナーナシ")), std::string::npos);
  EXPECT_EQ(Read(kDriverData, dav::kMailsSent), 0x01u);
  EXPECT_GE(NextTonerMail(), started + kWeek - started % 10000);
  EXPECT_LE(NextTonerMail(), ended + kWeek);
  EXPECT_EQ(NextTonerMail() % 10000, 0u);

  EXPECT_EQ(Call(), 1);
  EXPECT_EQ(RecordedSessions().size(), before + 1);
  EXPECT_EQ(Read(kStore, statusmgr::kOpens), 2u);
  EXPECT_EQ(Read(kStore, statusmgr::kCloses), 2u);
}

TEST_F(PluginTest, MaintenanceIsMailedAtTheThresholdCount) {
  Setting(dav::kCheckMail, 0x10);
  PrinterState(0x1, 150000);
  const std::size_t before = RecordedSessions().size();
  Call();
  const auto sessions = RecordedSessions();
  ASSERT_EQ(sessions.size(), before + 1);
  EXPECT_NE(sessions.back().find("RCPT TO:<service@office.test>"), std::string::npos);
  EXPECT_NE(sessions.back().find(Jis("定期保守")), std::string::npos);
  EXPECT_NE(sessions.back().find(Jis("77 テイキホシュ")), std::string::npos);
  EXPECT_EQ(Read(kDriverData, dav::kMailsSent), 0x10u);
}

TEST_F(PluginTest, SwitchedOffPrinterLeavesTheStatusManagerUnopened) {
  Setting(dav::kPrinterEligible, 0);
  Setting(dav::kCheckMail, 0x11);
  PrinterState(0x1 | 0x2, 200000);
  const std::size_t before = RecordedSessions().size();
  EXPECT_EQ(Call(), 0);
  EXPECT_EQ(Read(kStore, statusmgr::kOpens), 0xBADu);  // never counted
  EXPECT_EQ(Read(kDriverData, dav::kMailsSent), 0xBADu);
  EXPECT_EQ(RecordedSessions().size(), before);
}

// The mail sender reports every attempt as done, so a mail the server never
// got is not tried again; the development pause is taken after it.
TEST_F(PluginTest, MailTheServerNeverGotCountsAsSentAndIsFollowedByThePause) {
  MailServer("127.0.17.3");  // nothing listens there
  RegistrySandbox::SetDword(kDevelopmentKey, "MailPauseMs", 1500);
  Setting(dav::kCheckMail, 0x01);
  PrinterState(0x1 | 0x2, 1000);
  const ULONGLONG started = GetTickCount64();
  EXPECT_EQ(Call(), 1);
  EXPECT_GE(GetTickCount64() - started, 1400u);
  EXPECT_EQ(Read(kDriverData, dav::kMailsSent), 0x01u);
  EXPECT_NE(ReadWholeFile(folder.path() + "\\log\\PDMail.log").find("toner@office.test"),
            std::string::npos);
}

}  // namespace
