#include "alertmail/core/mail_composer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "common/bounded_text.h"

namespace alertmail {
namespace {

MailSettings Settings() {
  MailSettings s;
  s.complete = true;
  s.name = "Admin";
  s.mail = "admin@office.test";
  s.server = "127.0.11.2";
  s.subject = "[PD Report]";
  s.company = "会社";
  s.telephone = "03-1234";
  return s;
}

DavNoticeRequest Request(const char* to, const char* cc) {
  DavNoticeRequest r{};
  CopyBoundedText(r.to, to);
  CopyBoundedText(r.cc, cc);
  CopyBoundedText(r.message, "交換してください");
  CopyBoundedText(r.summary, "ＥＰカートリッジ交換");
  CopyBoundedText(r.alarm, "76 トナーナシ");
  return r;
}

const std::string kTime = "通知アラーム検出： 1999/07/05  09：05\r\n";

TEST(MailComposer, HeaderOfAnAsciiNameAndPlainLists) {
  const ComposedMail mail = ComposeMail(Settings(), Request("a@x.test,b@x.test", "c@x.test"), "PRN1", kTime);
  EXPECT_EQ(mail.header,
            "To: a@x.test,b@x.test\r\n"
            "From: Admin <admin@office.test>\r\n"
            "Reply-To: Admin <admin@office.test>\r\n"
            "Cc: c@x.test\r\n"
            "Bcc: admin@office.test\r\n"
            "Subject: [PD Report]\r\n"
            "Content-Type: text/plain; charset=ISO-2022-JP\r\n"
            "Content-Transfer-Encoding: 7bit\r\n"
            "Mime-Version: 1.0\r\n");
  EXPECT_EQ(mail.recipients,
            (std::vector<std::string>{"a@x.test", "b@x.test", "c@x.test", "admin@office.test"}));
  EXPECT_TRUE(mail.errors.empty());
}

TEST(MailComposer, BodyInItsOrderWithTheSignature) {
  const ComposedMail mail = ComposeMail(Settings(), Request("a@x.test", ""), "PRN1", kTime);
  EXPECT_EQ(mail.body,
            "\r\nＮＲＶ Scribex Prindora メール通知\r\n\r\n通知概要： ＥＰカートリッジ交換\r\n\r\n"
            "プリンタ名： PRN1\r\n\r\n通知アラーム： 76 トナーナシ\r\n\r\n" + kTime +
            "\r\n\r\n\r\n交換してください\r\n\r\n\r\n\r\n" + std::string(40, '*') +
            "\r\n会社\r\nAdmin\r\n\r\n03-1234\r\n");
}

TEST(MailComposer, EmptyCcGivesNoHeaderAndNoRecipient) {
  const ComposedMail mail = ComposeMail(Settings(), Request("a@x.test", ""), "PRN1", kTime);
  EXPECT_EQ(mail.header.find("Cc:"), std::string::npos);
  EXPECT_EQ(mail.recipients, (std::vector<std::string>{"a@x.test", "admin@office.test"}));
}

TEST(MailComposer, NameTooLongGivesTheAddressAloneAndOneError) {
  MailSettings settings = Settings();
  settings.name = std::string(60, 'x') + "管理者の名前がとても長い" + std::string(60, 'y') +
                  "まだ続く名前" + std::string(40, 'z');
  const ComposedMail mail = ComposeMail(settings, Request("a@x.test", ""), "PRN1", kTime);
  EXPECT_NE(mail.header.find("From: admin@office.test\r\n"), std::string::npos);
  EXPECT_NE(mail.header.find("Reply-To: admin@office.test\r\n"), std::string::npos);
  EXPECT_EQ(mail.errors, (std::vector<std::string>{
                             "文字列が長すぎるため、送信元名は付加されません。\r\n",
                             "文字列が長すぎるため、返信先名は付加されません。\r\n"}));
}

TEST(MailComposer, JapaneseNameAndSubjectAreEncodedWords) {
  MailSettings settings = Settings();
  settings.name = "日本";
  settings.subject = "日本";
  const ComposedMail mail = ComposeMail(settings, Request("a@x.test", ""), "PRN1", kTime);
  EXPECT_NE(mail.header.find("From: =?ISO-2022-JP?B?GyRCRnxLXBsoQg==?= <admin@office.test>\r\n"),
            std::string::npos);
  EXPECT_NE(mail.header.find("Subject: =?ISO-2022-JP?B?GyRCRnxLXBsoQg==?=\r\n"), std::string::npos);
}

// Several encoded words still fit the 400-byte header capacity up to five
// full words (90 double-byte characters); the sixth word no longer does.
TEST(MailComposer, ALongJapaneseNameFitsAsSeveralWordsUpToTheCapacity) {
  MailSettings settings = Settings();
  std::string name;
  for (int i = 0; i < 90; ++i) name += "あ";
  settings.name = name;
  ComposedMail mail = ComposeMail(settings, Request("a@x.test", ""), "PRN1", kTime);
  const std::size_t from = mail.header.find("From: =?ISO-2022-JP?B?");
  ASSERT_NE(from, std::string::npos);
  const std::string line = mail.header.substr(from, mail.header.find("\r\n", from) - from);
  EXPECT_EQ(std::count(line.begin(), line.end(), ' '), 6);  // five words, then the address
  EXPECT_TRUE(mail.errors.empty());

  settings.name = name + "あ";
  mail = ComposeMail(settings, Request("a@x.test", ""), "PRN1", kTime);
  EXPECT_NE(mail.header.find("From: admin@office.test\r\n"), std::string::npos);
  ASSERT_FALSE(mail.errors.empty());
  EXPECT_EQ(mail.errors[0], "文字列が長すぎるため、送信元名は付加されません。\r\n");
}

TEST(MailComposer, IncompleteSettingsLeaveHeaderAndSignatureOut) {
  MailSettings settings;
  settings.name = "Admin";
  const ComposedMail mail = ComposeMail(settings, Request("a@x.test", ""), "PRN1", kTime);
  EXPECT_TRUE(mail.header.empty());
  EXPECT_EQ(mail.body.find("****"), std::string::npos);
}

// Line breaks in addresses or settings would end a header or command early.
TEST(MailComposer, ControlCharactersNeverReachHeadersOrCommands) {
  MailSettings settings = Settings();
  settings.subject = "x\r\nBcc: victim@x.test";
  settings.name = "Ad\nmin";
  const ComposedMail mail =
      ComposeMail(settings, Request("a@x.test,b@x.test\r\nRCPT TO:<c@x.test>", "d@x\r.test"), "PRN1", kTime);
  EXPECT_EQ(mail.recipients, (std::vector<std::string>{"a@x.test", "admin@office.test"}));
  EXPECT_NE(mail.header.find("To: a@x.test\r\n"), std::string::npos);
  EXPECT_NE(mail.header.find("Cc: \r\n"), std::string::npos);
  EXPECT_EQ(mail.header.find("Subject"), std::string::npos);
  EXPECT_NE(mail.header.find("From: admin@office.test\r\n"), std::string::npos);
  EXPECT_EQ(mail.header.find("victim"), std::string::npos);
  EXPECT_EQ(mail.errors.size(), 5u);  // two addresses, the name twice, the subject
  EXPECT_TRUE(mail.senderUsable);

  settings.mail = "admin@office.test>\r\nRCPT TO:<x@y";
  EXPECT_FALSE(ComposeMail(settings, Request("a@x.test", ""), "PRN1", kTime).senderUsable);
}

TEST(MailComposer, SplitKeepsSpacesSkipsEmptyPiecesAndCutsAt99) {
  EXPECT_EQ(SplitAddresses(",a@x, b@y,,"), (std::vector<std::string>{"a@x", " b@y"}));
  EXPECT_EQ(SplitAddresses(std::string(120, 'a'))[0].size(), 99u);
  EXPECT_TRUE(SplitAddresses("").empty());
}

}  // namespace
}  // namespace alertmail
