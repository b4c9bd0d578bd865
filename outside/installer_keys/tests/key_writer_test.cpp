// The stand-in installer's keys, written into this process's own registry
// and read back by the agents' own readers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "agent/poll_cycle.h"
#include "agent/printer_list.h"
#include "common/dav_registry.h"
#include "common/win/mail_log_file.h"
#include "common/win/registry_key.h"
#include "common/win/testing/registry_sandbox.h"
#include "outside/installer_keys/full_paths.h"
#include "outside/installer_keys/key_writer.h"

namespace installer {
namespace {

constexpr char kModel[] = "LP-9800C";
const std::string kModelKey = std::string(dav::kModelsKey) + "\\" + kModel;

std::string ReadString(const std::string& key, const char* name) {
  char text[300] = {};
  DWORD size = sizeof text;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
      ERROR_SUCCESS) {
    return "(missing)";
  }
  return text;
}

std::string CurrentFolder() {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  return folder;
}

class KeyWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sandbox.ready()); }

  static void Write(InstallRequest request) {
    std::string problem;
    ASSERT_TRUE(ResolvePaths(request, problem)) << problem;
    ASSERT_TRUE(WriteInstallerKeys(request, problem)) << problem;
    EXPECT_EQ(problem, "");
  }

  RegistrySandbox sandbox;
};

TEST_F(KeyWriterTest, TheModelKeyIsWhereThePollFindsThePlugin) {
  Write({ModelEntry{kModel, "C:\\Prindora\\rmmmodel.dll", "C:\\Prindora\\rmmmodelui.dll"}, {}, {}});
  DWORD support = 0;
  ASSERT_TRUE(RegistrySandbox::GetDword(kModelKey.c_str(), dav::kSupport, support));
  EXPECT_EQ(support, 1u);
  EXPECT_EQ(ReadString(kModelKey, dav::kPagesPath), "C:\\Prindora\\rmmmodelui.dll");
  const std::string printerKey = std::string(dav::kPrintersKey) + "\\PRN1";
  ASSERT_TRUE(RegistrySandbox::SetString(printerKey.c_str(), dav::kPrinterDriver,
                                         std::string(dav::kDriverPrefix) + kModel));
  EXPECT_EQ(agent::PluginPath("PRN1"), "C:\\Prindora\\rmmmodel.dll");
}

TEST_F(KeyWriterTest, TheIntervalIsWhatBothAgentsRead) {
  Write({{}, 90000u, {}});
  EXPECT_EQ(agent::ReadPollInterval(agent::AgentKind::Service), 90000u);
  EXPECT_EQ(agent::ReadPollInterval(agent::AgentKind::Background), 90000u);
  Write({{}, 0u, {}});
  DWORD stored = 1;
  ASSERT_TRUE(RegistrySandbox::GetDword(dav::kMailKey, dav::kServiceInterval, stored));
  EXPECT_EQ(stored, 0u);
  EXPECT_EQ(agent::ReadPollInterval(agent::AgentKind::Background), 0u);
}

TEST_F(KeyWriterTest, TheUninstallEntryPutsTheMailLogInTheInstallFolder) {
  TemporaryFolder installed;
  for (const std::string& given : {installed.path(), installed.path() + "\\"}) {
    Write({{}, {}, given});
    EXPECT_EQ(ReadString(dav::kUninstallKey, dav::kUninstallString),
              installed.path() + "\\uninst.exe");
    EXPECT_EQ(MailLogPath(), installed.path() + "\\log\\PDMail.log") << given;
  }
  ASSERT_TRUE(agent::LogAgentError("written\r\n"));
  EXPECT_NE(ReadWholeFile(MailLogPath()).find("written\r\n"), std::string::npos);
}

TEST_F(KeyWriterTest, OnlyTheRequestedPartsAreWritten) {
  Write({{}, 5000u, {}});
  EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kModelsKey, KEY_READ));
  EXPECT_EQ(ReadString(dav::kUninstallKey, dav::kUninstallString), "(missing)");
}

TEST(FullPathsTest, PathsBecomeAbsoluteWithBackslashes) {
  InstallRequest request{ModelEntry{kModel, "rmmmodel.dll", "C:/p/ui.dll"}, {}, "sub/dir"};
  std::string problem;
  ASSERT_TRUE(ResolvePaths(request, problem)) << problem;
  EXPECT_EQ(request.model->plugin, CurrentFolder() + "\\rmmmodel.dll");
  EXPECT_EQ(request.model->pages, "C:\\p\\ui.dll");
  EXPECT_EQ(*request.installDirectory, CurrentFolder() + "\\sub\\dir");
}

TEST(FullPathsTest, PathsMustFitTheBuffersTheyAreReadInto) {
  const std::string folder = "C:\\" + std::string(240, 'd');  // 243 characters
  std::string problem;
  InstallRequest fits{ModelEntry{kModel, folder + "\\a234567.dll", folder + "\\b.dll"}, {},
                      folder + "\\" + std::string(4, 'e')};  // 255 and 259 with "\uninst.exe"
  EXPECT_TRUE(ResolvePaths(fits, problem)) << problem;
  InstallRequest longPlugin{ModelEntry{kModel, folder + "\\a2345678.dll", "b.dll"}, {}, {}};
  EXPECT_FALSE(ResolvePaths(longPlugin, problem));
  EXPECT_EQ(problem.rfind("--plugin path longer than 255 characters: ", 0), 0u) << problem;
  InstallRequest longPages{ModelEntry{kModel, "a.dll", folder + "\\b23456789.dll"}, {}, {}};
  EXPECT_FALSE(ResolvePaths(longPages, problem));
  EXPECT_EQ(problem.rfind("--pages path longer than 255 characters: ", 0), 0u) << problem;
  InstallRequest longFolder{{}, {}, folder + "\\" + std::string(5, 'e')};
  EXPECT_FALSE(ResolvePaths(longFolder, problem));
  EXPECT_EQ(problem.rfind("--install-dir longer than 248 characters: ", 0), 0u) << problem;
}

}  // namespace
}  // namespace installer
