#include "nicconf/sheets/core/field_check.h"

#include <gtest/gtest.h>

#include "common/testing/readable_text.h"

namespace nic {
namespace {

TEST(FieldCheck, APrinterNameRefusesALowerCaseLetterAtTheFirstCharacter) {
  EXPECT_EQ(CheckTyped(TextClass::NicName, "PRN-1_A", "プリンタ名"), "");
  EXPECT_EQ(CheckTyped(TextClass::NicName, "p", "プリンタ名"),
            "プリンタ名として無効です。 数字、英大文字、「-」（ハイフン）及び「_」（アンダーバー）のみ設定可能です。");
  EXPECT_EQ(CheckExisting(TextClass::NicName, "prn", "プリンタ名"),
            "プリンタ名に、数字、英大文字、「-」（ハイフン）、「_」（アンダーバー）以外の文字が含まれていました。\n"
            "適切な値に変更してください。(prn)");
  EXPECT_EQ(RuleOf(TextClass::NicName).limit, 47u);
}

TEST(FieldCheck, EachClassTakesItsOwnCharacters) {
  EXPECT_TRUE(Takes(TextClass::NdsContext, '='));
  EXPECT_FALSE(Takes(TextClass::NicName, '='));
  EXPECT_TRUE(Takes(TextClass::AppleTalkName, ' '));
  EXPECT_FALSE(Takes(TextClass::EtherTalkZone, ' '));
  EXPECT_TRUE(Takes(TextClass::EtherTalkZone, '*'));
  EXPECT_TRUE(Takes(TextClass::Community, 'a'));
  EXPECT_FALSE(Takes(TextClass::Community, '.'));
  EXPECT_TRUE(Takes(TextClass::MailAddress, '@'));
  EXPECT_FALSE(Takes(TextClass::MailAddress, '\x82'));  // a Shift_JIS lead byte
}

TEST(FieldCheck, ASessionCountIsRefusedWhileTypedOnlyWhenItHasTooManyDigits) {
  EXPECT_EQ(CheckNumberTyped("0", 1, 64), "");
  EXPECT_EQ(CheckNumberTyped("65", 1, 64), "");
  EXPECT_EQ(CheckNumberTyped("100", 1, 64), "100 は無効な値です。 1 から 64 の間の値を指定してください。");
  EXPECT_EQ(CheckNumberLeaving("0", 1, 64), "0 は無効な値です。 1 から 64 の間の値を指定してください。");
  EXPECT_EQ(CheckNumberLeaving("65", 1, 64), "65 は無効な値です。 1 から 64 の間の値を指定してください。");
  EXPECT_EQ(CheckNumberLeaving("", 1, 64), "値が設定されていません。 1 から 64 の間の値を指定してください。");
  EXPECT_EQ(CheckNumberLeaving("64", 1, 64), "");
  EXPECT_EQ(CheckNumberLeaving("99999999999999", 30, 7200),
            "99999999999999 は無効な値です。 30 から 7200 の間の値を指定してください。");
  EXPECT_EQ(CheckNumberLeaving("%s%n", 0, 255), "%s%n は無効な値です。 0 から 255 の間の値を指定してください。");
}

TEST(FieldCheck, TheSenderHoldsExactlyOneAtWithTextOnBothSides) {
  EXPECT_TRUE(IsSenderAddress("admin@example.jp"));
  for (const char* bad : {"@example.jp", "admin@", "a@b@c", "admin", ""}) EXPECT_FALSE(IsSenderAddress(bad)) << bad;
}

TEST(FieldCheck, TheMailBodyIsThreeLinesOfEightyPrintableCharactersWithoutSemicolon) {
  EXPECT_EQ(CheckMailBody(std::string(80, 'x') + "\r\nb\r\nc"), "");
  EXPECT_EQ(CheckMailBody(DefaultMailBody("PRN1", "192.168.1.20")), "");
  EXPECT_EQ(DefaultMailBody("PRN1", "192.168.1.20"),
            "Printer Name : PRN1 [192.168.1.20]\r\nThis printer is low on toner.\r\nYou may install new toner cartridge.");
  const std::string format = "メール本文の書式が無効です。\n80文字 × 3行以内で入力してください。";
  EXPECT_EQ(CheckMailBody(std::string(81, 'x')), format);
  EXPECT_EQ(CheckMailBody("a\r\nb\r\nc\r\nd"), format);
  const std::string refused = CheckMailBody("a;b");
  EXPECT_EQ(refused.rfind("メール本文として無効な文字が入力されました。\n使用できる文字は、以下のとおりです。\n\n  ! ", 0), 0u)
      << testkit::Readable(refused.c_str(), refused.size());
  EXPECT_EQ(refused.find(';'), std::string::npos);
  EXPECT_NE(CheckMailBody("\t"), "");
}

TEST(FieldCheck, TheAccessPeriodIsRoundedUpToItsNextStep) {
  EXPECT_EQ(RoundAccessPeriod(0), 0);
  EXPECT_EQ(RoundAccessPeriod(1), 50);
  EXPECT_EQ(RoundAccessPeriod(50), 50);
  EXPECT_EQ(RoundAccessPeriod(51), 100);
  EXPECT_EQ(RoundAccessPeriod(200), 200);
  EXPECT_EQ(RoundAccessPeriod(201), 250);
  EXPECT_EQ(RoundAccessPeriod(60000), 250);
}

}  // namespace
}  // namespace nic
