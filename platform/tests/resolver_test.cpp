#include "platform/resolver.h"

#include <gtest/gtest.h>

#include "platform/socket_library.h"

namespace platform {
namespace {

TEST(Resolver, DottedAndLocalNamesResolveInNetworkOrder) {
  const SocketLibrary sockets;
  ASSERT_TRUE(sockets.started());
  std::uint32_t address = 0;
  ASSERT_TRUE(ResolveIpv4("127.0.2.9", address));
  const auto* octets = reinterpret_cast<const std::uint8_t*>(&address);
  EXPECT_EQ(octets[0], 127);
  EXPECT_EQ(octets[3], 9);
  ASSERT_TRUE(ResolveIpv4("localhost", address));
  EXPECT_EQ(octets[0], 127);
  address = 5;
  EXPECT_FALSE(ResolveIpv4("", address));
  EXPECT_EQ(address, 5u);
}

}  // namespace
}  // namespace platform
