#include "nicproto/status_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include "nicproto/status_datagram.h"
#include "nicproto/tests/sample_status.h"

namespace nic {
namespace {

using test::B;
using test::S;

std::unique_ptr<StatusRecord> Parse(const std::string& text) {
  auto record = std::make_unique<StatusRecord>();
  ParseStatusText(text.data(), text.size(), *record);
  return record;
}

TEST(StatusText, PlainKeysFillTheirFields) {
  auto r = Parse("MFG:X;MDL:Y;");
  EXPECT_STREQ(r->mfg, "X");
  EXPECT_STREQ(r->mdl, "Y");
  EXPECT_FALSE(r->extStatusValid);
  EXPECT_FALSE(r->advInfoValid);
  EXPECT_FALSE(r->advInfo2Valid);
}

TEST(StatusText, TextEndingAfterColonEndsParsing) {
  auto r = Parse("MFG:X;MDL:");
  EXPECT_STREQ(r->mfg, "X");
  EXPECT_STREQ(r->mdl, "");
  r = Parse("MDL:;MFG:Z;STATUS");
  EXPECT_STREQ(r->mdl, "");
  EXPECT_STREQ(r->mfg, "Z");
  EXPECT_STREQ(r->status, "");
}

TEST(StatusText, OverLongValueKeepsItsFirstCharactersAndSkipsTheRest) {
  const std::string model(60, 'M');
  auto r = Parse("MDL:" + model + ";MFG:after;");
  EXPECT_EQ(std::string(r->mdl), model.substr(0, 50));
  EXPECT_STREQ(r->mfg, "after");
}

TEST(StatusText, UnknownKeysAreSkippedAndLastValueWins) {
  auto r = Parse("XYZ:1;MDL:first;DES:x;MDL:second;DCMD:PJL");
  EXPECT_STREQ(r->mdl, "second");
  EXPECT_STREQ(r->dcmd, "PJL");
}

TEST(StatusText, LongerKeyIsTriedFirst) {
  const std::string text = "ADVINF2:" + test::AdvInfo2Value(4) + ";ADVINF:" +
                           test::AdvInfoValue({}) + ";";
  auto r = Parse(text);
  ASSERT_TRUE(r->advInfo2Valid);
  ASSERT_TRUE(r->advInfoValid);
  EXPECT_EQ(r->advInfo2.byte5, 4);
  EXPECT_EQ(r->advInfo2.byte27, 0xEE);
  EXPECT_EQ(r->advInfo.bytes12[0], 2);
}

TEST(StatusText, ExtendedStatusBlockDecodesLowByteFirst) {
  test::ExtStatusFields f;
  f.alarmBits = 513;
  f.printerSpecific = 0x5A;
  const std::string value = test::ExtStatusValue(f);
  EXPECT_EQ(value.substr(0, 8), "01020000");
  auto r = Parse("EXTSTS:" + value + ";");
  ASSERT_TRUE(r->extStatusValid);
  EXPECT_EQ(r->extStatus.alarmBits, 513u);
  EXPECT_EQ(r->extStatus.word4, 0x0102);
  EXPECT_EQ(r->extStatus.dword8, 0x0A0B0C0Du);
  EXPECT_EQ(r->extStatus.paperSource, 1);
  EXPECT_EQ(r->extStatus.printerSpecific, 0x5A);
  EXPECT_EQ(r->extStatus.entryCount, 3);
  EXPECT_EQ(r->extStatus.entries[1].bytes[0], 2);
  EXPECT_EQ(r->extStatus.entries[1].bytes[1], 1);
  EXPECT_EQ(r->extStatus.entries[2].bytes[1], 0);
}

TEST(StatusText, LowerCaseHexDigitsDecodeLikeUpperCase) {
  test::ExtStatusFields f;
  f.alarmBits = 0xABCDEF12;
  std::string value = test::ExtStatusValue(f);
  std::string lower = value;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  auto upper = Parse("EXTSTS:" + value);
  auto low = Parse("EXTSTS:" + lower);
  ASSERT_TRUE(low->extStatusValid);
  EXPECT_EQ(low->extStatus.alarmBits, 0xABCDEF12u);
  EXPECT_EQ(std::memcmp(&low->extStatus, &upper->extStatus, sizeof low->extStatus), 0);
}

TEST(StatusText, ShortBlockIsInvalidButKeepsWhatWasDecoded) {
  auto r = Parse("EXTSTS:0102;MDL:M;");
  EXPECT_FALSE(r->extStatusValid);
  EXPECT_STREQ(r->mdl, "M");
  r = Parse("EXTSTS:" + test::Hex32(0x55) + "0000;");
  EXPECT_FALSE(r->extStatusValid);
  EXPECT_EQ(r->extStatus.alarmBits, 0x55u);
  r = Parse("ADVINF2:" + test::AdvInfo2Value(4).substr(0, 53) + ";");
  EXPECT_FALSE(r->advInfo2Valid);
}

TEST(StatusText, MissingEntriesInvalidateTheBlock) {
  test::ExtStatusFields f;
  std::string value = test::ExtStatusValue(f);
  value[26] = '0';  // claim 4 entries while 3 are written
  value[27] = '4';
  EXPECT_FALSE(Parse("EXTSTS:" + value)->extStatusValid);
}

TEST(StatusText, AdvancedInfoTakesTheEntryCountOfAValidExtendedStatus) {
  test::ExtStatusFields ext;
  ext.entries = {{1, 1, 0, 0}, {2, 1, 0, 0}};
  test::AdvInfoFields adv;
  adv.entries = {{5, 1, 0, 0}, {6, 1, 0, 0}, {7, 1, 0, 0}};
  auto r = Parse("EXTSTS:" + test::ExtStatusValue(ext) + ";ADVINF:" + test::AdvInfoValue(adv));
  ASSERT_TRUE(r->extStatusValid);
  EXPECT_EQ(r->advInfo.entryCount, 2);
  EXPECT_EQ(r->advInfo.entries[0].bytes[0], 5);
  EXPECT_EQ(r->advInfo.entries[1].bytes[0], 6);

  auto alone = Parse("ADVINF:" + test::AdvInfoValue(adv));
  ASSERT_TRUE(alone->advInfoValid);
  EXPECT_EQ(alone->advInfo.entryCount, 3);
  EXPECT_EQ(alone->advInfo.unitCount, 3);
  EXPECT_EQ(alone->advInfo.units[2].bytes[0], 3);
  EXPECT_EQ(alone->advInfo.units[2].bytes[1], 2);
}

TEST(StatusText, ListsKeepEightEntriesAndPassOverTheRest) {
  test::AdvInfoFields adv;
  adv.entries.clear();
  for (unsigned i = 0; i < 10; ++i) adv.entries.push_back({i, 1, 0, 0});
  adv.units = {{9, 2, 0}};
  auto r = Parse("ADVINF:" + test::AdvInfoValue(adv));
  ASSERT_TRUE(r->advInfoValid);
  EXPECT_EQ(r->advInfo.entryCount, 10);
  EXPECT_EQ(r->advInfo.entries[7].bytes[0], 7);
  EXPECT_EQ(r->advInfo.unitCount, 1);  // read after all ten entries
  EXPECT_EQ(r->advInfo.units[0].bytes[0], 9);
}

TEST(StatusText, RealisticTextFillsEverything) {
  const std::string text = test::RealisticStatusText();
  EXPECT_GT(text.size(), 350u);
  auto r = Parse(text);
  EXPECT_STREQ(r->mdl, "LP-9800C");
  EXPECT_STREQ(r->dcmd, "EJL,PJL");
  EXPECT_TRUE(r->extStatusValid);
  EXPECT_TRUE(r->advInfoValid);
  EXPECT_TRUE(r->advInfo2Valid);
}

TEST(StatusText, EveryPrefixAndEveryByteAloneParseSafely) {
  const std::string text = test::RealisticStatusText();
  for (std::size_t n = 0; n <= text.size(); ++n) {
    auto prefix = std::make_unique<char[]>(n + 1);  // exact size: ASan sees any overread
    std::memcpy(prefix.get(), text.data(), n);
    StatusRecord record;
    ParseStatusText(prefix.get(), n, record);
  }
  for (char c : text) Parse(std::string(1, c));
}

TEST(StatusDatagram, TextLengthCountsTheLengthField) {
  StatusRecord record;
  ASSERT_TRUE(ParseStatusDatagram(S(B("nrv") + B({0, 8}) + B("MDL:AB;zz")), record));
  EXPECT_STREQ(record.mdl, "AB");
  ASSERT_TRUE(ParseStatusDatagram(S(B("nrv") + B({0, 5}) + B("MDL:ABC;")), record));
  EXPECT_STREQ(record.mdl, "");  // three characters reach only "MDL"
  ASSERT_TRUE(ParseStatusDatagram(S(B("nrv") + B({0xFF, 0xFF}) + B("MDL:Q;")), record));
  EXPECT_STREQ(record.mdl, "Q");
  ASSERT_TRUE(ParseStatusDatagram(S(B("nrv") + B({0, 0})), record));
  EXPECT_FALSE(ParseStatusDatagram(S(B("nrv") + B({0})), record));
  EXPECT_FALSE(ParseStatusDatagram(S(B("hbm") + B({0, 2})), record));
}

}  // namespace
}  // namespace nic
