// One poll end to end, in this process's own registry, set up as the
// installer's stand-in sets it up: the spooler lists a
// printer of the maker (Wine's spooler reads its printers from the
// registry and follows the sandbox), the status manager stand-in reports
// its state, the real plug-in decides, and the real mail sender delivers to
// the recording mail server on 127.0.17.3.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "agent/poll_cycle.h"
#include "common/dav_registry.h"
#include "common/mail_log.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/recorded_mail.h"
#include "common/win/testing/registry_sandbox.h"
#include "outside/installer_keys/key_writer.h"

namespace agent {
namespace {

constexpr char kPrinter[] = "E2E-PRN";
constexpr char kModel[] = "LP-9800C";
const std::string kPrinterKey = std::string(dav::kPrintersKey) + "\\" + kPrinter;
const std::string kDriverDataKey = kPrinterKey + "\\" + dav::kDriverData;
const std::string kModelKey = std::string(dav::kModelsKey) + "\\" + kModel;
const std::string kStatusKey = std::string("SOFTWARE\\NicSuite\\StatusManager\\") + kPrinter;

class PollTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    Set(kPrinterKey, "Name", kPrinter);
    Set(kPrinterKey, "Port", "FILE:");
    Set(kPrinterKey, dav::kPrinterDriver, std::string(dav::kDriverPrefix) + kModel);
    Set(kPrinterKey, "Print Processor", "winprint");
    Set(kPrinterKey, "Datatype", "RAW");
    RegistrySandbox::SetDword(kPrinterKey.c_str(), "Attributes", 0);
    // The model key and the install folder as the set-up tool writes them.
    installer::InstallRequest installed;
    installed.model = installer::ModelEntry{kModel, ProgramBeside("rmmmodel.dll"), ProgramBeside("rmmmodelui.dll")};
    installed.installDirectory = folder.path();
    std::string failure;
    ASSERT_TRUE(installer::WriteInstallerKeys(installed, failure)) << failure;
    Set(dav::kMailKey, dav::kName, "Admin");
    Set(dav::kMailKey, dav::kMail, "admin@office.test");
    Set(dav::kMailKey, dav::kServer, "127.0.17.3");
    Set(dav::kMailKey, dav::kDefaultTo, "default@office.test");
    RegistrySandbox::SetDword("SOFTWARE\\NicSuite\\Development", "MailPauseMs", 0);
    RegistrySandbox::SetDword(kDriverDataKey.c_str(), dav::kCheckMail, 0x11);
    Set(kDriverDataKey, dav::kTonerTo, "service@office.test");
    Set(kDriverDataKey, dav::kMaintenanceTo, "service@office.test");
    State(0x1, 1000);
    ASSERT_TRUE(resources.Prepare(AgentKind::Service));
  }

  static void Set(const std::string& key, const char* name, const std::string& value) {
    ASSERT_TRUE(RegistrySandbox::SetString(key.c_str(), name, value));
  }

  // The status manager stand-in's items for the printer.
  static void State(DWORD state, DWORD pages) {
    const DWORD status[3] = {0, 0, state};
    RegistrySandbox::SetBinary(kStatusKey.c_str(), "PrinterStatus", status, sizeof status);
    RegistrySandbox::SetBinary(kStatusKey.c_str(), "PageCount", &pages, sizeof pages);
  }

  // How many mails one more poll sends.
  std::size_t MailsOfOnePoll() {
    const std::size_t before = RecordedSessions().size();
    EXPECT_EQ(RunPoll(resources), PollOutcome::Done);
    return RecordedSessions().size() - before;
  }

  static DWORD Opens() {
    DWORD opens = 0;
    RegistrySandbox::GetDword(kStatusKey.c_str(), "Opens", opens);
    return opens;
  }

  RegistrySandbox sandbox;
  TemporaryFolder folder;
  PollResources resources;
};

TEST_F(PollTest, TonerOutIsMailedOnceWhileItLasts) {
  State(0x1 | 0x2, 1000);
  EXPECT_EQ(MailsOfOnePoll(), 1u);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  // Back, then out again within seven days: the gate keeps it quiet.
  State(0x1, 1000);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  State(0x1 | 0x2, 1000);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
}

TEST_F(PollTest, MaintenanceIsDueFrom150000Pages) {
  State(0x1, 149999);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  State(0x1, 150000);
  EXPECT_EQ(MailsOfOnePoll(), 1u);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
}

TEST_F(PollTest, PrinterSwitchedOffIsNotEvenOpened) {
  State(0x1 | 0x2, 1000);
  RegistrySandbox::SetDword(kDriverDataKey.c_str(), dav::kPrinterEligible, 0);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  EXPECT_EQ(Opens(), 0u);
}

TEST_F(PollTest, EmptyServerStopsTheWalkBeforeAnyPlugin) {
  State(0x1 | 0x2, 1000);
  Set(dav::kMailKey, dav::kServer, "");
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  EXPECT_EQ(Opens(), 0u);
}

TEST_F(PollTest, OnlyDriversOfTheMakerWithASupportedModelArePolled) {
  State(0x1 | 0x2, 1000);
  Set(kPrinterKey, dav::kPrinterDriver, std::string("NRV") + kModel);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  Set(kPrinterKey, dav::kPrinterDriver, std::string(dav::kDriverPrefix) + kModel);
  RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kModelKey.c_str(), dav::kSupport);
  EXPECT_EQ(MailsOfOnePoll(), 0u);
  EXPECT_EQ(Opens(), 0u);
}

TEST_F(PollTest, TheModelKeyRecordsTheMailKindOfItsLastPrinter) {
  DWORD kind = 0;
  RegistrySandbox::SetDword(kDriverDataKey.c_str(), dav::kCheckMail, 0x10);
  MailsOfOnePoll();
  ASSERT_TRUE(RegistrySandbox::GetDword(kModelKey.c_str(), dav::kSupport, kind));
  EXPECT_EQ(kind, 2u);
  RegistrySandbox::SetDword(kDriverDataKey.c_str(), dav::kCheckMail, 0);
  MailsOfOnePoll();
  ASSERT_TRUE(RegistrySandbox::GetDword(kModelKey.c_str(), dav::kSupport, kind));
  EXPECT_EQ(kind, 1u);
}

TEST_F(PollTest, TestMailGoesToTheDefaultRecipients) {
  const std::size_t before = RecordedSessions().size();
  ASSERT_TRUE(SendTestMail());
  EXPECT_EQ(RecordedSessions().size(), before + 1);
}

TEST_F(PollTest, AgentMessagesGoToTheSharedMailLogWithTwoSpacesBeforeTheTime) {
  SYSTEMTIME before{};
  GetLocalTime(&before);
  ASSERT_TRUE(LogAgentError(kPrintersNotListedMessage));
  SYSTEMTIME after{};
  GetLocalTime(&after);
  const std::string written = ReadWholeFile(folder.path() + "\\log\\PDMail.log");
  std::vector<std::string> expected;
  for (const SYSTEMTIME& at : {before, after}) {
    expected.push_back(ErrorLogEntry({at.wYear, at.wMonth, at.wDay, at.wHour, at.wMinute},
                                     "ローカル接続プリンタを列挙できませんでした。\r\n",
                                     LogTimeGap::TwoSpaces));
  }
  EXPECT_TRUE(written == expected[0] || written == expected[1]) << written;
}

TEST(PollFrame, TcpIpIsThere) { EXPECT_TRUE(TcpIpInstalled()); }

}  // namespace
}  // namespace agent
