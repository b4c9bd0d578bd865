#include "common/ipv4_text.h"

#include <gtest/gtest.h>

namespace {

TEST(Ipv4Text, DottedIpAcceptsOnlyTheCanonicalForm) {
  Ipv4 ip{};
  ASSERT_TRUE(ParseDottedIp("0.255.10.100", ip));
  EXPECT_EQ(ip, (Ipv4{0, 255, 10, 100}));
  for (const char* bad : {"10.0.0.01", "10.1", "10.0.0", "10.0.0.7.", "256.1.1.1", "1.2.3.4 ",
                          " 1.2.3.4", "1.2.3.-4", "1..2.3", "a.b.c.d", "1.2.3.4;rm", ""}) {
    EXPECT_FALSE(ParseDottedIp(bad, ip)) << bad;
  }
  EXPECT_FALSE(ParseDottedIp(nullptr, ip));
}

TEST(Ipv4Text, CompareIpTextGoesOctetByOctet) {
  EXPECT_EQ(CompareIpText("10.0.0.1", "10.0.0.1"), 0);
  EXPECT_EQ(CompareIpText("10.0.0.01", "10.0.0.1"), 0);  // numbers, not texts
  EXPECT_LT(CompareIpText("9.200.0.0", "10.0.0.0"), 0);
  EXPECT_GT(CompareIpText("10.0.1.0", "10.0.0.255"), 0);
  EXPECT_EQ(CompareIpText("10.0.0.9", "10.0.0.2"), 7);
}

}  // namespace
