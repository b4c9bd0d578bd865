#include "nicconf/proto/address_text.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

TEST(AddressText, DottedIpAcceptsOnlyTheCanonicalForm) {
  Ipv4 ip{};
  ASSERT_TRUE(ParseDottedIp("0.255.10.100", ip));
  EXPECT_EQ(ip, (Ipv4{0, 255, 10, 100}));
  for (const char* bad : {"10.0.0.01", "10.1", "10.0.0", "10.0.0.7.", "256.1.1.1", "1.2.3.4 ",
                          " 1.2.3.4", "1.2.3.-4", "1..2.3", "a.b.c.d", "1.2.3.4;rm", ""}) {
    EXPECT_FALSE(ParseDottedIp(bad, ip)) << bad;
  }
  EXPECT_FALSE(ParseDottedIp(nullptr, ip));
}

TEST(AddressText, MacTakesOneOrTwoDigitPairs) {
  Mac mac{};
  ASSERT_TRUE(ParseMacText("0:1:2:3:4:5", mac));
  EXPECT_EQ(mac, (Mac{0, 1, 2, 3, 4, 5}));
  ASSERT_TRUE(ParseMacText("0a:5E:91:69:ff:00", mac));
  char text[kMacTextSize];
  FormatMacText(mac, text);
  EXPECT_STREQ(text, "0A:5E:91:69:FF:00");
  for (const char* bad : {"000:11:22:33:44:55", "00::11:22:33:44", "00:11:22:33:44",
                          "00:11:22:33:44:55:", "00-11-22-33-44-55", "0g:11:22:33:44:55", ""}) {
    EXPECT_FALSE(ParseMacText(bad, mac)) << bad;
  }
}

TEST(AddressText, CompareIpTextGoesOctetByOctet) {
  EXPECT_EQ(CompareIpText("10.0.0.1", "10.0.0.1"), 0);
  EXPECT_EQ(CompareIpText("10.0.0.01", "10.0.0.1"), 0);  // numbers, not texts
  EXPECT_LT(CompareIpText("9.200.0.0", "10.0.0.0"), 0);
  EXPECT_GT(CompareIpText("10.0.1.0", "10.0.0.255"), 0);
  EXPECT_EQ(CompareIpText("10.0.0.9", "10.0.0.2"), 7);
}

TEST(AddressText, CompareMacTextIgnoresCaseAndSeparators) {
  EXPECT_EQ(CompareMacText("0a:5e:91:69:00:00", "0A-5E-91-69-00-00"), 0);
  EXPECT_NE(CompareMacText("0A:5E:91:69:00:00", "0A5E91690000"), 0);
  EXPECT_NE(CompareMacText("0A:5E:91:69:00:01", "0A:5E:91:69:00:00"), 0);
  EXPECT_NE(CompareMacText("0A:5E:91:69:0:0", "0A:5E:91:69:0:0"), 0);  // not 17 characters
}

}  // namespace
}  // namespace nic
