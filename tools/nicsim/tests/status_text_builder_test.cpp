#include "tools/nicsim/status_text_builder.h"

#include <gtest/gtest.h>

#include "nicproto/status_text.h"

namespace nicsim {
namespace {

nic::StatusRecord Parse(const std::string& text) {
  nic::StatusRecord record{};
  nic::ParseStatusText(text.data(), text.size(), record);
  return record;
}

TEST(StatusTextBuilder, NumbersAreWrittenLowByteFirst) {
  SimNic nic;
  nic.extAlarmBits = 513;
  EXPECT_EQ(ExtStatusHex(nic).substr(0, 8), "01020000");
}

TEST(StatusTextBuilder, ExtendedStatusDecodesToTheFields) {
  SimNic nic;
  nic.model = "LP-2000";
  nic.extAlarmBits = 0x00010004;
  nic.paperSource = 2;
  nic.printerSpecific = 0x40;
  const nic::StatusRecord record = Parse(BuildStatusText(nic));
  EXPECT_STREQ(record.mfg, "NRV");
  EXPECT_STREQ(record.mdl, "LP-2000");
  ASSERT_TRUE(record.extStatusValid);
  EXPECT_EQ(record.extStatus.alarmBits, 0x00010004u);
  EXPECT_EQ(record.extStatus.paperSource, 2);
  EXPECT_EQ(record.extStatus.printerSpecific, 0x40);
  ASSERT_EQ(record.extStatus.entryCount, 3);
  EXPECT_EQ(record.extStatus.entries[0].bytes[1], 1);
  EXPECT_EQ(record.extStatus.entries[1].bytes[1], 1);
  EXPECT_EQ(record.extStatus.entries[2].bytes[1], 0);
  EXPECT_FALSE(record.advInfoValid);
  EXPECT_LE(ExtStatusHex(nic).size(), 96u);
}

TEST(StatusTextBuilder, AdvancedInfoWhenAsked) {
  SimNic nic;
  nic.advancedInfo = true;
  nic.advAlarmBits = 0x80000001;
  nic.paperSource = 3;
  const nic::StatusRecord record = Parse(BuildStatusText(nic));
  ASSERT_TRUE(record.advInfoValid);
  EXPECT_EQ(record.advInfo.alarmBits, 0x80000001u);
  EXPECT_EQ(record.advInfo.bytes12[0], 3);
  ASSERT_EQ(record.advInfo.unitCount, 2);
  EXPECT_EQ(record.advInfo.units[0].bytes[1], 2);
  EXPECT_NE(record.advInfo.units[1].bytes[1], 2);
  EXPECT_LE(AdvancedInfoHex(nic).size(), 168u);
}

TEST(StatusTextBuilder, MemoryAndDiskTravelInTheSecondAdvancedBlock) {
  SimNic nic;
  EXPECT_FALSE(Parse(BuildStatusText(nic)).advInfo2Valid);
  nic.memoryKb = 65536;
  nic.diskMb = 1024;
  EXPECT_EQ(AdvancedInfo2Hex(nic).size(), 54u);
  const nic::StatusRecord record = Parse(BuildStatusText(nic));
  ASSERT_TRUE(record.advInfo2Valid);
  EXPECT_EQ(record.advInfo2.dword0, 65536u);
  EXPECT_EQ(record.advInfo2.word6, 1024u);
}

TEST(StatusTextBuilder, FixedTextWins) {
  SimNic nic;
  nic.statusText = "MFG:X;MDL:Y;";
  EXPECT_EQ(BuildStatusText(nic), "MFG:X;MDL:Y;");
}

}  // namespace
}  // namespace nicsim
