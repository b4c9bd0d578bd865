#include <gtest/gtest.h>

#include "nicproto/exn_notice.h"
#include "nicproto/wake_up_packet.h"

namespace nic {
namespace {

TEST(WakeUpPacket, SixFFThenTheMacSixteenTimes) {
  WakeUpPacket packet{};
  ASSERT_TRUE(BuildWakeUpPacket("0a:5e:91:69:00:07", packet));
  ASSERT_EQ(packet.size(), 102u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(packet[i], 0xFF);
  const std::uint8_t mac[] = {0x0A, 0x5E, 0x91, 0x69, 0x00, 0x07};
  for (int copy = 0; copy < 16; ++copy) {
    for (int i = 0; i < 6; ++i) EXPECT_EQ(packet[6 + copy * 6 + i], mac[i]) << copy;
  }
  EXPECT_FALSE(BuildWakeUpPacket("0a:5e:91:69:00", packet));
}

TEST(ExnNotice, ThirteenBytesNamingThePrintLinkPort) {
  const ExnNotice expected = {0x12, 0x34, 'E', 'X', 'N', 0x02, 0x00,
                              0x01, 0x01, 0x01, 0x02, 0x04, 0x15};
  EXPECT_EQ(BuildExnNotice(0x1234, 1045), expected);
}

}  // namespace
}  // namespace nic
