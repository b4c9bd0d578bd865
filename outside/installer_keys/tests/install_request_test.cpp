// The stand-in installer's command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "outside/installer_keys/install_request.h"

namespace installer {
namespace {

using Arguments = std::vector<std::string>;

const Arguments kModel = {"--model", "LP-9800C", "--plugin", "C:\\p\\rmmmodel.dll",
                          "--pages", "C:\\p\\rmmmodelui.dll"};

Arguments With(Arguments arguments, const Arguments& more) {
  arguments.insert(arguments.end(), more.begin(), more.end());
  return arguments;
}

std::string ProblemOf(const Arguments& arguments) {
  const ParsedArguments parsed = ParseArguments(arguments);
  EXPECT_FALSE(parsed.request);
  return parsed.problem;
}

TEST(InstallRequestTest, EveryPartInAnyOrder) {
  const ParsedArguments parsed = ParseArguments(
      With({"--install-dir", "C:\\Prindora", "--interval", "60000"}, kModel));
  ASSERT_TRUE(parsed.request) << parsed.problem;
  EXPECT_EQ(parsed.problem, "");
  ASSERT_TRUE(parsed.request->model);
  EXPECT_EQ(parsed.request->model->name, "LP-9800C");
  EXPECT_EQ(parsed.request->model->plugin, "C:\\p\\rmmmodel.dll");
  EXPECT_EQ(parsed.request->model->pages, "C:\\p\\rmmmodelui.dll");
  EXPECT_EQ(parsed.request->interval, 60000u);
  EXPECT_EQ(parsed.request->installDirectory, "C:\\Prindora");
}

TEST(InstallRequestTest, EachPartAlone) {
  const auto model = ParseArguments(kModel).request;
  ASSERT_TRUE(model);
  EXPECT_FALSE(model->interval);
  EXPECT_FALSE(model->installDirectory);
  const auto interval = ParseArguments({"--interval", "0"}).request;
  ASSERT_TRUE(interval);
  EXPECT_FALSE(interval->model);
  EXPECT_EQ(interval->interval, 0u);
  const auto folder = ParseArguments({"--install-dir", "."}).request;
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->installDirectory, ".");
}

TEST(InstallRequestTest, ModelNeedsBothLibrariesAndTheyNeedIt) {
  EXPECT_EQ(ProblemOf({"--model", "X", "--plugin", "a.dll"}),
            "--model, --plugin and --pages go together");
  EXPECT_EQ(ProblemOf({"--plugin", "a.dll", "--pages", "b.dll"}),
            "--model, --plugin and --pages go together");
}

TEST(InstallRequestTest, ModelNameIsOneKeyThatFitsTheDriverName) {
  EXPECT_EQ(ProblemOf({"--model", "A\\B", "--plugin", "a", "--pages", "b"}),
            "a model name has no backslash");
  EXPECT_TRUE(ParseArguments({"--model", std::string(251, 'M'), "--plugin", "a", "--pages", "b"})
                  .request);
  EXPECT_EQ(ProblemOf({"--model", std::string(252, 'M'), "--plugin", "a", "--pages", "b"}),
            "model name longer than 251 characters");
}

TEST(InstallRequestTest, IntervalIsUnsigned32BitMilliseconds) {
  EXPECT_EQ(ParseArguments({"--interval", "4294967295"}).request->interval, 4294967295u);
  EXPECT_EQ(ParseArguments({"--interval", "007"}).request->interval, 7u);
  for (const char* bad : {"4294967296", "99999999999", "-1", "+5", "12a", "1.5", " 5"}) {
    EXPECT_EQ(ProblemOf({"--interval", bad}), "--interval takes milliseconds from 0 to 4294967295")
        << bad;
  }
}

TEST(InstallRequestTest, MalformedCommandLinesSayWhatIsWrong) {
  EXPECT_EQ(ProblemOf({}), "nothing to write");
  EXPECT_EQ(ProblemOf({"--intervall", "5"}), "unknown argument: --intervall");
  EXPECT_EQ(ProblemOf({"LP-9800C"}), "unknown argument: LP-9800C");
  EXPECT_EQ(ProblemOf({"--interval"}), "--interval needs a value");
  EXPECT_EQ(ProblemOf({"--install-dir", ""}), "--install-dir needs a value");
  EXPECT_EQ(ProblemOf({"--interval", "5", "--interval", "6"}), "--interval given twice");
}

}  // namespace
}  // namespace installer
