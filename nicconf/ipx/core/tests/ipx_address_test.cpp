#include "nicconf/ipx/core/ipx_address.h"

#include <gtest/gtest.h>

#include <cstring>

namespace nic::ipx {
namespace {

TEST(IpxAddress, DigitsAreReadFromTheRightWithMissingLeadingZeros) {
  AddressRecord record{};
  ASSERT_TRUE(MakeAddressRecord("1A", "80:87:12:34:56", record));
  const std::uint8_t network[] = {0, 0, 0, 0x1A};
  const std::uint8_t node[] = {0x00, 0x80, 0x87, 0x12, 0x34, 0x56};
  EXPECT_EQ(std::memcmp(record.network, network, 4), 0);
  EXPECT_EQ(std::memcmp(record.node, node, 6), 0);
  EXPECT_EQ(record.kind, 1u);
  EXPECT_EQ(record.addressLength, 12u);
  EXPECT_EQ(record.socket[0], 0x21);
  EXPECT_EQ(record.socket[1], 0x02);
  const std::uint8_t zero[20] = {};
  EXPECT_EQ(std::memcmp(record.rest, zero, sizeof zero), 0);

  ASSERT_TRUE(MakeAddressRecord("", "abc", record));  // odd count, lower case
  const std::uint8_t shortNode[] = {0, 0, 0, 0, 0x0A, 0xBC};
  EXPECT_EQ(std::memcmp(record.node, shortNode, 6), 0);
  EXPECT_EQ(std::memcmp(record.network, "\0\0\0\0", 4), 0);
}

// The texts come from edit boxes and files: a stray character must refuse
// the address, not quietly turn it into another NIC's.
TEST(IpxAddress, NonHexDigitsAndOverlongTextsAreRefused) {
  AddressRecord record{};
  record.kind = 77;
  for (const char* network : {"12G4", " 1", "0x1A", "123456789", "1-2"}) {
    EXPECT_FALSE(MakeAddressRecord(network, "00:80:87:12:34:56", record)) << network;
  }
  for (const char* mac : {"00:80:87:12:34:5G", "00-80-87-12-34-56", "0000:8087:12:34:56:7"}) {
    EXPECT_FALSE(MakeAddressRecord("1", mac, record)) << mac;
  }
  EXPECT_FALSE(MakeAddressRecord(nullptr, "1", record));
  EXPECT_EQ(record.kind, 77u);
}

TEST(IpxAddress, TextsBackAndNetworksComparedAsNumbers) {
  char network[9];
  char mac[18];
  FormatNetworkText({0x00, 0xAB, 0x0C, 0x01}, network);
  FormatNodeMac({0x00, 0x80, 0x87, 0x0A, 0xBC, 0xFF}, mac);
  EXPECT_STREQ(network, "00AB0C01");
  EXPECT_STREQ(mac, "00:80:87:0A:BC:FF");
  EXPECT_TRUE(SameNetworkText("ab0c01", "00AB0C01"));
  EXPECT_FALSE(SameNetworkText("AB0C02", "00AB0C01"));
  EXPECT_FALSE(SameNetworkText("zz", "zz"));
}

}  // namespace
}  // namespace nic::ipx
