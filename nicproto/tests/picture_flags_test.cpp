#include "nicproto/picture_flags.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nicproto/tests/sample_status.h"

namespace nic {
namespace {

std::string FlagsOf(const std::string& text) {
  auto record = std::make_unique<StatusRecord>();
  ParseStatusText(text.data(), text.size(), *record);
  std::uint32_t flags[kPictureFlagCount];
  ComputePictureFlags(*record, flags);
  std::string out;
  for (std::uint32_t f : flags) out += f ? '1' : '0';
  return out;
}

TEST(PictureFlags, NothingKnownNothingShown) {
  EXPECT_EQ(FlagsOf(""), "0000000000000000");
  EXPECT_EQ(FlagsOf("MDL:X;EXTSTS:0102;"), "0000000000000000");  // invalid block
}

TEST(PictureFlags, InstalledPaperSourcesOfExtendedStatus) {
  test::ExtStatusFields ext;
  ext.entries = {{0, 1, 0, 0}, {1, 0, 0, 0}, {2, 1, 0, 0}, {3, 1, 0, 0},
                 {4, 0, 0, 0}, {5, 0, 0, 0}, {6, 1, 0, 0}, {7, 1, 0, 0}};
  //                         0123456789012345
  EXPECT_EQ(FlagsOf("EXTSTS:" + test::ExtStatusValue(ext) + ";"), "1011001000000100");
}

TEST(PictureFlags, OptionUnitsAndOptionBytes) {
  test::AdvInfoFields adv;
  adv.entries = {};
  adv.optionByte = 2;
  adv.units = {{1, 2, 0}, {2, 2, 0}, {4, 2, 0}, {0, 2, 0}, {0, 1, 0}};
  const std::string text =
      "ADVINF:" + test::AdvInfoValue(adv) + ";ADVINF2:" + test::AdvInfo2Value(0x04) + ";";
  //                         0123456789012345
  EXPECT_EQ(FlagsOf(text), "0000000110111010");
  adv.units[2] = {3, 2, 0};
  EXPECT_EQ(FlagsOf("ADVINF:" + test::AdvInfoValue(adv) + ";"), "0000000111010010");
}

TEST(PictureFlags, EntriesBeyondTheWrittenCountAreNotLookedAt) {
  test::ExtStatusFields ext;
  ext.entries = {{0, 1, 0, 0}};
  test::AdvInfoFields adv;
  adv.entries = {{0, 0, 0, 0}, {1, 1, 0, 0}};  // ADVINF takes EXTSTS's count of 1
  adv.units = {};
  adv.optionByte = 0;
  EXPECT_EQ(FlagsOf("EXTSTS:" + test::ExtStatusValue(ext) + ";ADVINF:" + test::AdvInfoValue(adv)),
            "1000000000000000");
}

}  // namespace
}  // namespace nic
