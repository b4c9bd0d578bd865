#include "nicconf/exchange/wake_up.h"

#include <gtest/gtest.h>

#include "nicconf/exchange/network.h"

namespace nic {
namespace {

TEST(WakeUp, SendsToTheGivenBroadcastAddressAndRefusesBadMacs) {
  ASSERT_TRUE(StartNetwork());
  EXPECT_TRUE(SendWakeUp("00:80:87:01:00:02", "127.0.0.1"));
  EXPECT_FALSE(SendWakeUp("00:80:87:01:00", "127.0.0.1"));
  EXPECT_FALSE(SendWakeUp("00:80:87:01:00:02", "not-an-address"));
  StopNetwork();
}

}  // namespace
}  // namespace nic
