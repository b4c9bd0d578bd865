// installer_keys.exe as a developer runs it: usage and exit codes, and one
// run that writes the prefix's real registry, which is put back afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/testing/program_run.h"
#include "common/dav_registry.h"
#include "common/win/testing/registry_sandbox.h"
#include "common/win/testing/saved_registry_value.h"

namespace {

ConsoleRun Tool(const std::string& arguments) {
  return RunConsole("\"" + ProgramBeside("installer_keys.exe") + "\" " + arguments);
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.rfind(start, 0) == 0;
}

TEST(ToolRunTest, BadArgumentsShowTheProblemAndTheUsageAndExit2) {
  const struct {
    const char* arguments;
    const char* problem;
  } cases[] = {
      {"", "nothing to write"},
      {"--interval ten", "--interval takes milliseconds from 0 to 4294967295"},
      {"--model LP --plugin a.dll", "--model, --plugin and --pages go together"},
      {"/model LP", "unknown argument: /model"},
  };
  for (const auto& bad : cases) {
    const ConsoleRun run = Tool(bad.arguments);
    EXPECT_EQ(run.exitCode, 2u) << bad.arguments;
    EXPECT_TRUE(StartsWith(run.output, std::string("installer_keys: ") + bad.problem + "\nusage: "))
        << run.output;
  }
}

TEST(ToolRunTest, HelpShowsTheUsageAndWritesNothing) {
  const ConsoleRun run = Tool("--help");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_TRUE(StartsWith(run.output, "usage: installer_keys ")) << run.output;
  EXPECT_NE(run.output.find("RMMUIDLL"), std::string::npos);
}

TEST(ToolRunTest, PathTooLongForItsReaderIsABadArgument) {
  const ConsoleRun run =
      Tool("--model LP --plugin C:\\" + std::string(260, 'p') + ".dll --pages b.dll");
  EXPECT_EQ(run.exitCode, 2u);
  EXPECT_TRUE(StartsWith(run.output, "installer_keys: --plugin path longer than 255 characters"))
      << run.output;
}

TEST(ToolRunTest, WritesEveryKeyOfTheRealRegistry) {
  const std::string model = "DEVKEYS-" + std::to_string(GetCurrentProcessId());
  const std::string modelKey = std::string(dav::kModelsKey) + "\\" + model;
  const SavedRegistryValue support(modelKey, dav::kSupport), plugin(modelKey, dav::kPluginPath),
      pages(modelKey, dav::kPagesPath), serviceInterval(dav::kMailKey, dav::kServiceInterval),
      agentInterval(dav::kMailKey, dav::kAgentInterval),
      uninstall(dav::kUninstallKey, dav::kUninstallString);
  TemporaryFolder installed;

  const ConsoleRun run = Tool("--model " + model + " --plugin C:\\p\\rmmmodel.dll" +
                              " --pages C:\\p\\rmmmodelui.dll --interval 120000" +
                              " --install-dir \"" + installed.path() + "\"");
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(RealValueText(modelKey, dav::kSupport), "1");
  EXPECT_EQ(RealValueText(modelKey, dav::kPluginPath), "C:\\p\\rmmmodel.dll");
  EXPECT_EQ(RealValueText(modelKey, dav::kPagesPath), "C:\\p\\rmmmodelui.dll");
  EXPECT_EQ(RealValueText(dav::kMailKey, dav::kServiceInterval), "120000");
  EXPECT_EQ(RealValueText(dav::kMailKey, dav::kAgentInterval), "120000");
  EXPECT_EQ(RealValueText(dav::kUninstallKey, dav::kUninstallString),
            installed.path() + "\\uninst.exe");
}

}  // namespace
