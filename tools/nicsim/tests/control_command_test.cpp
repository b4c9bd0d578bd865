#include "tools/nicsim/control_command.h"

#include <gtest/gtest.h>

#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

TEST(ControlCommand, SetChangesTheNamedNic) {
  const TestFolder folder;
  Simulator simulator(folder.path());
  ASSERT_TRUE(simulator.Start({TestNic("127.0.9.56", "00:80:87:09:00:56")}, nullptr));
  EXPECT_EQ(RunControlCommand(simulator, "set 00:80:87:09:00:56 portStatus=1 fault=silent"), "ok");
  SimNic nic;
  ASSERT_TRUE(simulator.Find("00:80:87:09:00:56", &nic));
  EXPECT_EQ(nic.portStatus, 1);
  EXPECT_EQ(nic.fault, Fault::Silent);

  EXPECT_EQ(RunControlCommand(simulator,
                              "set 00:80:87:09:00:56 item.85=\"Toner  is low\" attr.15=\"A B\""),
            "ok");
  ASSERT_TRUE(simulator.Find("00:80:87:09:00:56", &nic));
  EXPECT_EQ(nic.items[85], "Toner  is low");
  EXPECT_EQ(nic.attributes[15], (std::vector<std::uint8_t>{'A', ' ', 'B', 0}));
  EXPECT_EQ(RunControlCommand(simulator, "set 00:80:87:09:00:56 item.85=\"open"),
            "error a quote is left open");
}

TEST(ControlCommand, MistakesAreExplained) {
  const TestFolder folder;
  Simulator simulator(folder.path());
  ASSERT_TRUE(simulator.Start({TestNic("127.0.9.57", "00:80:87:09:00:57")}, nullptr));
  EXPECT_EQ(RunControlCommand(simulator, "reboot"), "error unknown command");
  EXPECT_EQ(RunControlCommand(simulator, "set 00:80:87:09:00:57"),
            "error usage: set <mac> <key>=<value>...");
  EXPECT_EQ(RunControlCommand(simulator, "set 00:80:87:09:09:99 name=X"),
            "error no NIC with MAC 00:80:87:09:09:99");
  EXPECT_EQ(RunControlCommand(simulator, "set 00:80:87:09:00:57 size=3"),
            "error unknown key 'size'");
  EXPECT_EQ(RunControlCommand(simulator, "set 00:80:87:09:00:57 mac=00:80:87:09:00:58"),
            "error a NIC's MAC cannot change");
}

}  // namespace
}  // namespace nicsim::test
