#include "portmon/core/mac_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace portmon {
namespace {

TEST(StoredMac, GroupsOfOneOrTwoDigitsWithOrWithoutSeparators) {
  const std::uint8_t expected[6] = {0x00, 0x80, 0x87, 0x0A, 0xBC, 0x05};
  for (const char* text : {"00:80:87:0A:BC:05", "0:80:87:a:bC:5", "0080870abc05",
                           "00:80:87:0a:bc:05:99"}) {
    std::uint8_t mac[6] = {};
    ASSERT_TRUE(ParseStoredMac(text, mac)) << text;
    EXPECT_EQ(std::memcmp(mac, expected, 6), 0) << text;
  }
  for (const char* text : {"", "00:80:87:0A:BC", "00::80:87:0A:BC:05", "g0:80:87:0A:BC:05",
                           "00-80-87-0A-BC-05"}) {
    std::uint8_t mac[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(ParseStoredMac(text, mac)) << text;
    EXPECT_EQ(mac[0], 1) << text;
  }
}

TEST(TypedMac, TheDialogsRules) {
  for (const char* text : {"0:1:2:3:4:5", "00:80:87:0a:BC:05", ":00:80:87:0A:BC", "1"}) {
    EXPECT_TRUE(IsAcceptableMacText(text)) << text;
  }
  for (const char* text : {"", "00::11:22:33:44", "000:11:22:33:44:55", "00:80:87:0A:BC:05:",
                           "00:80:87:0A:BC:05:1", "0080870ABC05", "00-80-87-0A-BC-05",
                           "::00:80:87:0A:BC", "00:80:87:0A:BC:0g"}) {
    EXPECT_FALSE(IsAcceptableMacText(text)) << text;
  }
}

}  // namespace
}  // namespace portmon
