#include "common/mail_log.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kRule = std::string(70, '=') + "\r\n";

TEST(MailLog, AgentEntryHasNoLeadingZerosAndTwoSpaces) {
  const std::string entry =
      ErrorLogEntry({1999, 7, 5, 9, 5}, "メッセージ\r\n", LogTimeGap::TwoSpaces);
  EXPECT_EQ(entry, kRule + "エラー検出： 1999/7/5  9：5\r\nエラー： メッセージ\r\n" + kRule);
}

TEST(MailLog, PluginEntryUsesOneFullWidthSpace) {
  const std::string entry = ErrorLogEntry({2001, 12, 31, 23, 59}, "x\r\n", LogTimeGap::FullWidthSpace);
  EXPECT_EQ(entry, kRule + "エラー検出： 2001/12/31　23：59\r\nエラー： x\r\n" + kRule);
}

TEST(MailLog, MailSenderEntryWithAndWithoutError) {
  const LogTime time{1999, 7, 5, 9, 5};
  const MailLogFields fields{"a@x.test,b@x.test", "", "PRN1", "Test"};
  const std::string head = kRule + "通知アラーム検出： 1999/07/05  09：05\r\nTo: a@x.test,b@x.test\r\n"
                           "Cc: \r\nプリンタ名： PRN1\r\n通知概要： Test\r\n";
  EXPECT_EQ(MailLogEntry(time, fields, nullptr), head + kRule);
  const std::string error = "サーバへの接続に失敗しました。\r\n";
  EXPECT_EQ(MailLogEntry(time, fields, &error), head + "エラー： " + error + kRule);
}

}  // namespace
