#include "platform/socket_library.h"
#include "platform/udp_socket.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/socket_error.h"
#include "platform/tick.h"

namespace platform {
namespace {

class UdpSocketTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sockets_.started()); }

 private:
  SocketLibrary sockets_;
};

TEST_F(UdpSocketTest, EphemeralPortsAndLoopbackRoundTrip) {
  UdpSocket a, b;
  ASSERT_EQ(a.Open(), 0);
  ASSERT_EQ(b.Open("127.0.0.1", 0), 0);
  std::uint16_t portA = 0, portB = 0;
  ASSERT_EQ(a.LocalPort(portA), 0);
  ASSERT_EQ(b.LocalPort(portB), 0);
  EXPECT_NE(portA, 0);
  EXPECT_NE(portB, 0);

  const std::uint8_t hello[] = {'h', 'i', 0, 1};
  ASSERT_EQ(a.SendTo("127.0.0.1", portB, hello), 0);
  int error = -1;
  ASSERT_EQ(b.WaitReadable(2000, error), WaitResult::Ready);
  std::vector<std::uint8_t> buffer(kDatagramBufferSize);
  std::size_t length = 0;
  ReceivedFrom from{};
  ASSERT_EQ(b.ReceiveFrom(buffer, length, from), 0);
  ASSERT_EQ(length, sizeof hello);
  EXPECT_EQ(std::memcmp(buffer.data(), hello, length), 0);
  EXPECT_STREQ(from.ip, "127.0.0.1");
  EXPECT_EQ(from.port, portA);
}

TEST_F(UdpSocketTest, NothingWaitingIsWouldBlock) {
  UdpSocket s;
  ASSERT_EQ(s.Open(), 0);
  int error = -1;
  EXPECT_EQ(s.WaitReadable(1, error), WaitResult::TimedOut);
  EXPECT_EQ(s.WaitWritable(100, error), WaitResult::Ready);
  std::uint8_t buffer[16];
  std::size_t length = 99;
  ReceivedFrom from{};
  EXPECT_EQ(s.ReceiveFrom(buffer, length, from), kWsaWouldBlock);
  EXPECT_EQ(length, 0u);
}

TEST_F(UdpSocketTest, BadAddressTextIsRefusedBeforeSending) {
  UdpSocket s;
  ASSERT_EQ(s.Open(), 0);
  const std::uint8_t byte[] = {0};
  EXPECT_EQ(s.SendTo("10.0.0.300", 8450, byte), kWsaInvalidArgument);
  EXPECT_NE(s.Open("not an address", 0), 0);
  EXPECT_FALSE(s.IsOpen());
}

TEST_F(UdpSocketTest, LocalAddressTowardLoopbackIsLoopback) {
  char ip[16] = "x";
  ASSERT_EQ(LocalAddressToward("127.0.0.5", ip), 0);
  EXPECT_STREQ(ip, "127.0.0.1");
  EXPECT_NE(LocalAddressToward("no address", ip), 0);
  EXPECT_STREQ(ip, "");
}

TEST_F(UdpSocketTest, MovedSocketOwnsTheHandle) {
  UdpSocket a;
  ASSERT_EQ(a.Open(), 0);
  UdpSocket b = std::move(a);
  EXPECT_FALSE(a.IsOpen());
  EXPECT_TRUE(b.IsOpen());
  b.Close();
  EXPECT_FALSE(b.IsOpen());
}

std::uint32_t Loopback(std::uint8_t last) {
  const std::uint8_t octets[] = {127, 0, 0, last};
  std::uint32_t address = 0;
  std::memcpy(&address, octets, sizeof address);
  return address;
}

TEST_F(UdpSocketTest, ConnectedSocketTakesOnlyItsPeerAndCutsLongDatagrams) {
  UdpSocket peer, stranger, client;
  ASSERT_EQ(peer.Open("127.0.0.1", 0), 0);
  ASSERT_EQ(stranger.Open("127.0.0.1", 0), 0);
  ASSERT_EQ(client.Open("127.0.0.1", 0), 0);
  std::uint16_t peerPort = 0, clientPort = 0;
  ASSERT_EQ(peer.LocalPort(peerPort), 0);
  ASSERT_EQ(client.LocalPort(clientPort), 0);
  ASSERT_EQ(client.Connect(Loopback(1), peerPort), 0);

  const std::uint8_t request[] = {1, 2, 3};
  ASSERT_EQ(client.Send(request), 0);
  int error = 0;
  ASSERT_EQ(peer.WaitReadable(2000, error), WaitResult::Ready);
  std::uint8_t buffer[8];
  std::size_t length = 0;
  ASSERT_EQ(peer.Receive(buffer, length), 0);
  EXPECT_EQ(length, sizeof request);

  const std::uint8_t other[] = {9};
  const std::uint8_t reply[] = {'a', 'b', 'c', 'd', 'e', 'f'};
  ASSERT_EQ(stranger.SendTo("127.0.0.1", clientPort, other), 0);
  ASSERT_EQ(peer.SendTo("127.0.0.1", clientPort, reply), 0);
  ASSERT_EQ(client.WaitReadable(2000, error), WaitResult::Ready);
  ASSERT_EQ(client.Receive(std::span(buffer, 4), length), 0);
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(std::memcmp(buffer, "abcd", 4), 0);
  EXPECT_EQ(client.WaitReadable(100, error), WaitResult::TimedOut);
  EXPECT_EQ(client.Receive(buffer, length), kWsaWouldBlock);
}

TEST_F(UdpSocketTest, PortUnreachableIsNoErrorOfAConnectedSocket) {
  UdpSocket closed, client;
  ASSERT_EQ(closed.Open("127.0.0.1", 0), 0);
  std::uint16_t closedPort = 0;
  ASSERT_EQ(closed.LocalPort(closedPort), 0);
  closed.Close();
  ASSERT_EQ(client.Open(), 0);
  ASSERT_EQ(client.Connect(Loopback(1), closedPort), 0);
  const std::uint8_t request[] = {1};
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(client.Send(request), 0);
    SleepMs(20);
  }
  std::uint8_t buffer[4];
  std::size_t length = 0;
  EXPECT_EQ(client.Receive(buffer, length), kWsaWouldBlock);
}

}  // namespace
}  // namespace platform
