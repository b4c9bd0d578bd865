#include "rmmmodelui/core/alarm_pages.h"

#include <gtest/gtest.h>

namespace rmmui {
namespace {

TEST(AlarmPages, TheTwoPagesShareOneDesignWithTheirOwnValuesAndBits) {
  EXPECT_STREQ(DesignOf(AlarmPage::Toner).toValue, "DAV_TONERTO");
  EXPECT_EQ(DesignOf(AlarmPage::Toner).bit, 0x01u);
  EXPECT_STREQ(DesignOf(AlarmPage::Maintenance).commentValue, "DAV_REGMAINTECOMMENT");
  EXPECT_EQ(DesignOf(AlarmPage::Maintenance).bit, 0x10u);
  EXPECT_EQ(SheetTitle("LP-9800C 2F"), "アラームの発信設定 - LP-9800C 2F");
}

// Unticked, nothing is checked; ticked, the first failing check speaks, with
// its own caption.
TEST(AlarmPages, ChecksRunInOrderOnlyOnATickedPage) {
  EXPECT_FALSE(CheckPage(false, "", std::string(200, 'c'), "").has_value());
  const auto missing = CheckPage(true, "", std::string(200, 'c'), "");
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->text, "通知先(必須)が設定されていません。");
  EXPECT_EQ(missing->caption, "アラームの発信設定");
  const auto longTo = CheckPage(true, std::string(65, 't'), std::string(65, 'c'), "");
  ASSERT_TRUE(longTo.has_value());
  EXPECT_EQ(longTo->text, "入力可能な文字数をオーバーしました。\r\n通知先(必須)で入力可能な文字数は半角64文字までです。");
  EXPECT_EQ(longTo->caption, "メール通知の設定");
  EXPECT_FALSE(CheckPage(true, std::string(64, 't'), std::string(64, 'c'), std::string(160, 'm')).has_value());
  EXPECT_EQ(CheckPage(true, "a@b", std::string(65, 'c'), "")->text,
            "入力可能な文字数をオーバーしました。\r\n写しで入力可能な文字数は半角64文字までです。");
  EXPECT_EQ(CheckPage(true, "a@b", "", std::string(161, 'm'))->text,
            "入力可能な文字数をオーバーしました。\r\nコメントで入力可能な文字数は半角160文字までです。");
}

TEST(AlarmPages, ThePreviewSaysWhatTheNoticeWillCarryAndDefaultsTheSubject) {
  StoredValues v;
  v.to = "admin@example.jp";
  v.mail = "printer@example.jp";
  v.company = "NRV";
  const std::string toner = PreviewText(AlarmPage::Toner, v, "LP1");
  EXPECT_TRUE(toner.starts_with("\r\n通知先： admin@example.jp\r\n\r\n写し： \r\n\r\n"));
  EXPECT_NE(toner.find("Subject： [PD Report]\r\n"), std::string::npos);
  EXPECT_NE(toner.find("通知概要： ＥＰカートリッジの交換－＞ アラーム： 76 トナーナシ\r\n"), std::string::npos);
  EXPECT_NE(toner.find("プリンタ名： LP1\r\n\r\n\r\nコメント： \r\n\r\n\r\n会社名： NRV\r\n"), std::string::npos);
  v.subject = "";
  const std::string maintenance = PreviewText(AlarmPage::Maintenance, v, "LP1");
  EXPECT_NE(maintenance.find("Subject： \r\n"), std::string::npos);  // stored empty stays empty
  EXPECT_NE(maintenance.find("通知概要： 定期保守－＞ アラーム： 77 テイキホシュ"), std::string::npos);
  EXPECT_TRUE(maintenance.ends_with("所在地： \r\n\r\n電話番号： \r\n\r\n"));
}

}  // namespace
}  // namespace rmmui
