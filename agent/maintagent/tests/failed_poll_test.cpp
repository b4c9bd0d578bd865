// maintagent's window where no status manager can be loaded: the poll
// cannot take its resources, and the agent closes itself without a word in
// the mail log.
#include <gtest/gtest.h>
#include <windows.h>

#include "agent/maintagent/tests/agent_window_harness.h"
#include "common/dav_registry.h"
#include "common/win/mail_log_file.h"
#include "common/win/testing/registry_sandbox.h"

namespace {

TEST(FailedPollTest, AFailedPollClosesTheAgentSilently) {
  ASSERT_EQ(LoadLibraryA("statusmgr"), nullptr) << "a status manager is within reach";
  RegistrySandbox sandbox;
  ASSERT_TRUE(sandbox.ready());
  TemporaryFolder installed;
  ASSERT_TRUE(RegistrySandbox::SetString(dav::kUninstallKey, dav::kUninstallString,
                                         installed.path() + "\\uninst.exe"));
  // An interval, so that only the failure can end the agent.
  ASSERT_TRUE(RegistrySandbox::SetDword(dav::kMailKey, dav::kAgentInterval, 100));

  AgentWindowHarness agent;
  ASSERT_TRUE(agent.alive());
  agent.FirstTimerFires();
  const auto received = agent.Pump(1000);
  EXPECT_TRUE(received.quit);
  EXPECT_EQ(received.quitCode, 0u);
  EXPECT_TRUE(received.timers.empty());
  EXPECT_FALSE(agent.alive());
  EXPECT_EQ(GetFileAttributesA(MailLogPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
