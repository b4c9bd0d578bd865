#include "maintui/core/mail_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace maintui {
namespace {

using Values = std::vector<std::string>;

TEST(MailSettings, EachFieldHasItsValueRoomAndLimit) {
  ASSERT_EQ(SenderFields().size(), 6u);
  EXPECT_STREQ(SenderFields()[2].value, "DAV_MSERVER");
  EXPECT_EQ(SenderFields()[2].room, 80u);
  EXPECT_EQ(SenderFields()[3].limit, 128u);
  EXPECT_STREQ(SenderFields()[3].missing, "[PD Report]");
  EXPECT_EQ(SenderFields()[0].missing, nullptr);
  ASSERT_EQ(UserFields().size(), 4u);
  EXPECT_EQ(UserFields()[2].room, 200u);
  EXPECT_EQ(UserFields()[2].limit, 120u);
}

// The last failure recorded decides whether the closing message comes.
TEST(MailSettings, AnEmptyNameBeforeALongSubjectGivesOnlyTheSubjectsMessage) {
  const MailCheck check = CheckMailPage(SenderFields(), Values{"", "a@b.jp", "mail.b.jp", std::string(129, 's'), "", ""});
  EXPECT_EQ(check.warnings, (std::vector<std::string>{
                                "入力可能な文字数をオーバーしました。\r\nSubjectで入力可能な文字数は半角128文字までです。"}));
}

TEST(MailSettings, AMissingValueAfterTheLastLongOneSaysTheSenderDataIsIncomplete) {
  const MailCheck check =
      CheckMailPage(SenderFields(), Values{std::string(97, 'n'), "a@b.jp", "", "", "", ""});
  EXPECT_EQ(check.warnings,
            (std::vector<std::string>{
                "入力可能な文字数をオーバーしました。\r\n管理者名で入力可能な文字数は半角96文字までです。",
                "メール送信に必要な情報が設定されていません。"}));
  EXPECT_TRUE(CheckMailPage(SenderFields(), Values{"管理者", "a@b.jp", "mail.b.jp", "", "", ""}).passed());
}

TEST(MailSettings, TheUserPageRequiresNothingAndChecksItsLengths) {
  EXPECT_TRUE(CheckMailPage(UserFields(), Values{"", "", "", ""}).passed());
  EXPECT_EQ(CheckMailPage(UserFields(), Values{"", "", std::string(121, 'a'), std::string(65, '0')}).warnings,
            (std::vector<std::string>{
                "入力可能な文字数をオーバーしました。\r\n所在地で入力可能な文字数は半角120文字までです。",
                "入力可能な文字数をオーバーしました。\r\n電話番号で入力可能な文字数は半角64文字までです。"}));
}

}  // namespace
}  // namespace maintui
