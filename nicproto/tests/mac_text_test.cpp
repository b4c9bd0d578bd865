#include "nicproto/mac_text.h"

#include <gtest/gtest.h>

namespace nic {
namespace {

TEST(MacText, MacTakesOneOrTwoDigitPairs) {
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

TEST(MacText, CompareMacTextIgnoresCaseAndSeparators) {
  EXPECT_EQ(CompareMacText("0a:5e:91:69:00:00", "0A-5E-91-69-00-00"), 0);
  EXPECT_GT(CompareMacText("0A:5E:91:69:00:00", "0A5E91690000"), 0);  // the longer is greater
  EXPECT_LT(CompareMacText("0A5E91690000", "0A:5E:91:69:00:00"), 0);
  EXPECT_LT(CompareMacText("0a:5e:91:69:00:00", "0A:5E:91:69:00:01"), 0);
  EXPECT_NE(CompareMacText("0A:5E:91:69:00:01", "0A:5E:91:69:00:00"), 0);
  EXPECT_NE(CompareMacText("0A:5E:91:69:0:0", "0A:5E:91:69:0:0"), 0);  // not 17 characters
}

}  // namespace
}  // namespace nic
