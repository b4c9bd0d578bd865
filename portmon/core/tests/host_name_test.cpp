#include "portmon/core/host_name.h"

#include <gtest/gtest.h>

namespace portmon {
namespace {

TEST(StrictDottedAddress, TakesFourGroupsOfAtMostThreeDigitsBelow256) {
  for (const char* good : {"10.0.0.7", "0.0.0.0", "255.255.255.255", "001.02.3.004"}) {
    EXPECT_TRUE(IsStrictDottedAddress(good)) << good;
  }
  for (const char* bad : {"10.0.0.256", "10.0.0", "10.0.0.7.", ".10.0.0.7", "10..0.7", "10.0.0.7.1",
                          "1000.0.0.7", "10.0.0.0007", " 10.0.0.7", "10.0.0.7 ", "+1.0.0.7",
                          "0x1.0.0.7", "10.0.0.", ""}) {
    EXPECT_FALSE(IsStrictDottedAddress(bad)) << bad;
  }
}

TEST(HostNameCheck, RefusesEmptyLeadingDotAndOverLongNames) {
  EXPECT_TRUE(PassesHostNameCheck("  prn1.office"));
  EXPECT_FALSE(PassesHostNameCheck("   "));
  EXPECT_FALSE(PassesHostNameCheck(" .prn1"));
  EXPECT_TRUE(PassesHostNameCheck(std::string(127, 'a')));
  EXPECT_FALSE(PassesHostNameCheck(std::string(128, 'a')));
}

}  // namespace
}  // namespace portmon
