#include "rmmmodel/core/alarm_notice.h"

#include <gtest/gtest.h>

#include <string>

#include "common/dav_registry.h"
#include "rmmmodel/core/shift_jis_cut.h"
#include "rmmmodel/core/tests/fake_host.h"

namespace rmmmodel::test {
namespace {

TEST(ShiftJisCut, StopsBeforeADoubleByteCharacterThatWouldNotFit) {
  EXPECT_EQ(ShiftJisPrefixLength("ab\x82\xA0", 3), 2u);
  EXPECT_EQ(ShiftJisPrefixLength("ab\x82\xA0", 4), 4u);
  EXPECT_EQ(ShiftJisPrefixLength("\xE0\x40\xFC\x40", 3), 2u);  // lead bytes of the upper range
  EXPECT_EQ(ShiftJisPrefixLength("\xB1\xDF\xA1", 2), 2u);      // half-width katakana: one byte each
  EXPECT_EQ(ShiftJisPrefixLength("\x83\x5C" "a", 2), 2u);      // a trail byte that is '\'
  EXPECT_EQ(ShiftJisPrefixLength("short", 99), 5u);
}

TEST(AlarmNotice, TextsComeFromTheAlarmsOwnValuesAndMissingOnesStayEmpty) {
  FakeHost fake;
  fake.texts = {{dav::kTonerTo, "t@x.test"},
                {dav::kTonerComment, "交換してください"},
                {dav::kMaintenanceTo, "m@x.test"},
                {dav::kMaintenanceCc, "mc@x.test"}};
  const DavNoticeRequest toner = FillNotice(kTonerOutAlarm, fake.host().settings);
  EXPECT_STREQ(toner.to, "t@x.test");
  EXPECT_STREQ(toner.cc, "");
  EXPECT_STREQ(toner.message, "交換してください");
  EXPECT_STREQ(toner.summary, "ＥＰカートリッジ交換");
  EXPECT_STREQ(toner.alarm, "76 トナーナシ");
  const DavNoticeRequest maintenance = FillNotice(kMaintenanceAlarm, fake.host().settings);
  EXPECT_STREQ(maintenance.to, "m@x.test");
  EXPECT_STREQ(maintenance.cc, "mc@x.test");
  EXPECT_STREQ(maintenance.message, "");
  EXPECT_STREQ(maintenance.summary, "定期保守");
  EXPECT_STREQ(maintenance.alarm, "77 テイキホシュ");
}

TEST(AlarmNotice, LongTextsAreCutToTheirFields) {
  FakeHost fake;
  fake.texts = {{dav::kTonerTo, std::string(150, 't')},
                {dav::kTonerCc, std::string(98, 'c') + "あ"},
                {dav::kTonerComment, std::string(198, 'm') + "あい"}};
  const DavNoticeRequest request = FillNotice(kTonerOutAlarm, fake.host().settings);
  EXPECT_EQ(std::string(request.to), std::string(99, 't'));
  EXPECT_EQ(std::string(request.cc), std::string(98, 'c'));
  EXPECT_EQ(std::string(request.message), std::string(198, 'm'));
}

}  // namespace
}  // namespace rmmmodel::test
