// maintagent's window with the status manager found beside the program:
// polls get their resources and the timers carry the agent from one poll to
// the next. The poll interval comes from this process's own registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "agent/maintagent/tests/agent_window_harness.h"
#include "common/dav_registry.h"
#include "common/win/testing/registry_sandbox.h"

namespace {

class AgentWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sandbox.ready()); }

  static void SetInterval(DWORD ms) {
    ASSERT_TRUE(RegistrySandbox::SetDword(dav::kMailKey, dav::kAgentInterval, ms));
  }

  RegistrySandbox sandbox;
};

TEST_F(AgentWindowTest, CreationArmsOnlyTheFirstPollAMinuteAhead) {
  SetInterval(100);
  AgentWindowHarness agent;
  ASSERT_TRUE(agent.alive());
  const auto received = agent.Pump(500);
  EXPECT_TRUE(received.timers.empty());
  EXPECT_FALSE(received.quit);
  // KillTimer fails for a timer that is not running.
  EXPECT_TRUE(KillTimer(agent.window(), kFirstPollTimer));
  EXPECT_FALSE(KillTimer(agent.window(), kNextPollTimer));
}

TEST_F(AgentWindowTest, EveryPollArmsTheNextWithTheIntervalReadAfterIt) {
  SetInterval(100);
  AgentWindowHarness agent;
  const DWORD started = GetTickCount();
  agent.FirstTimerFires();
  EXPECT_FALSE(KillTimer(agent.window(), kFirstPollTimer));  // killed by its own tick
  std::vector<DWORD> ticks;
  const auto received = agent.Pump(1500, [&](UINT_PTR) {
    ticks.push_back(GetTickCount() - started);
    if (ticks.size() == 3) SetInterval(0);
  });
  EXPECT_EQ(received.timers, (std::vector<UINT_PTR>{kNextPollTimer, kNextPollTimer, kNextPollTimer}));
  ASSERT_FALSE(ticks.empty());
  EXPECT_GE(ticks.front(), 90u);
  // The poll after the third tick read 0: no timer, the agent idles.
  EXPECT_FALSE(received.quit);
  EXPECT_TRUE(agent.alive());
  EXPECT_FALSE(KillTimer(agent.window(), kNextPollTimer));
}

TEST_F(AgentWindowTest, MissingOrUnreadableIntervalLeavesTheAgentIdle) {
  for (const bool stored : {false, true}) {
    if (stored) RegistrySandbox::SetString(dav::kMailKey, dav::kAgentInterval, "100");
    AgentWindowHarness agent;
    agent.FirstTimerFires();
    const auto received = agent.Pump(400);
    EXPECT_TRUE(received.timers.empty()) << stored;
    EXPECT_FALSE(received.quit) << stored;
    EXPECT_TRUE(agent.alive()) << stored;
  }
}

TEST_F(AgentWindowTest, CloseAndThePrivateMessageEndTheLoopWithZero) {
  SetInterval(100);
  for (const UINT message : {static_cast<UINT>(WM_CLOSE), kCloseAgent}) {
    AgentWindowHarness agent;
    agent.FirstTimerFires();  // a poll timer is running
    PostMessageA(agent.window(), message, 0, 0);
    const auto received = agent.Pump(1000);
    EXPECT_TRUE(received.quit) << message;
    EXPECT_EQ(received.quitCode, 0u) << message;
    EXPECT_TRUE(received.timers.empty()) << message;
    EXPECT_FALSE(agent.alive()) << message;
  }
}

}  // namespace
