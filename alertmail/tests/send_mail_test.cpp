// DAVSendMail loaded by name, as its callers load it, against the recording
// mail servers of the test network: 127.0.11.2 takes every mail, 127.0.11.3
// rejects every command. Settings and the mail log live in the test's own
// registry and folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "common/dav_records.h"
#include "common/dav_registry.h"
#include "common/win/library.h"
#include "common/win/testing/recorded_mail.h"
#include "common/win/testing/registry_sandbox.h"

namespace {

using SendMailFunction = int(WINAPI*)(const char*, int, DavNoticeRequest*);

const std::string kRule = std::string(70, '=') + "\r\n";

class SendMailTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    ASSERT_TRUE(RegistrySandbox::SetString(dav::kUninstallKey, dav::kUninstallString,
                                           folder.path() + "\\uninstall.exe"));
    Settings("Admin", "admin@office.test", "127.0.11.2");
    module = Library(LoadLibraryA("alertmail"));
    ASSERT_TRUE(module);
    send = module.Find<SendMailFunction>("DAVSendMail");
    ASSERT_NE(send, nullptr);
  }

  static void Settings(const std::string& name, const std::string& mail, const std::string& server) {
    RegistrySandbox::SetString(dav::kMailKey, dav::kName, name);
    RegistrySandbox::SetString(dav::kMailKey, dav::kMail, mail);
    RegistrySandbox::SetString(dav::kMailKey, dav::kServer, server);
  }

  int Send(const char* to, const char* cc, const char* message = "") {
    DavNoticeRequest request{};
    CopyBoundedText(request.to, to);
    CopyBoundedText(request.cc, cc);
    CopyBoundedText(request.message, message);
    CopyBoundedText(request.summary, "Test");
    return send("PRN1", kDavNoticeToner, &request);
  }

  std::string Log() const { return ReadWholeFile(folder.path() + "\\log\\PDMail.log"); }

  // The log's entries with the time line left out, which no test can know.
  std::vector<std::string> Entries() const {
    std::vector<std::string> entries;
    const std::string log = Log();
    for (std::size_t at = 0; at < log.size();) {
      const std::size_t end = log.find(kRule, at + kRule.size());
      if (end == std::string::npos) break;
      std::string entry = log.substr(at + kRule.size(), end - at - kRule.size());
      entries.push_back(entry.substr(entry.find("\r\n") + 2));
      at = end + kRule.size();
    }
    return entries;
  }

  RegistrySandbox sandbox;
  TemporaryFolder folder;
  Library module;
  SendMailFunction send = nullptr;
};

TEST_F(SendMailTest, DialogueInOrderWithAPlainFromAndOneLogEntry) {
  const std::size_t before = RecordedSessions("SMTPSINK_STATE").size();
  EXPECT_EQ(Send("a@x.test,b@x.test", "c@x.test"), 1);
  const auto sessions = RecordedSessions("SMTPSINK_STATE");
  ASSERT_EQ(sessions.size(), before + 1);
  const std::string& session = sessions.back();
  const std::size_t data = session.find("DATA\r\n");
  ASSERT_NE(data, std::string::npos);
  EXPECT_EQ(session.substr(session.find("MAIL FROM"), data - session.find("MAIL FROM")),
            "MAIL FROM:<admin@office.test>\r\nRCPT TO:<a@x.test>\r\nRCPT TO:<b@x.test>\r\n"
            "RCPT TO:<c@x.test>\r\nRCPT TO:<admin@office.test>\r\n");
  EXPECT_NE(session.find("DATA\r\nTo: a@x.test,b@x.test\r\nFrom: Admin <admin@office.test>\r\n"),
            std::string::npos);
  EXPECT_EQ(session.rfind("\r\n.\r\nQUIT\r\n"), session.size() - 11);
  EXPECT_EQ(Entries(), (std::vector<std::string>{
                           "To: a@x.test,b@x.test\r\nCc: c@x.test\r\nプリンタ名： PRN1\r\n"
                           "通知概要： Test\r\n"}));
}

TEST_F(SendMailTest, EmptyCcGivesNoHeaderNoRecipientButAnEmptyLogLine) {
  Send("a@x.test", "");
  const std::string session = RecordedSessions("SMTPSINK_STATE").back();
  EXPECT_EQ(session.find("Cc:"), std::string::npos);
  EXPECT_EQ(session.find("RCPT TO:<>"), std::string::npos);
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_NE(Entries()[0].find("Cc: \r\n"), std::string::npos);
}

TEST_F(SendMailTest, NameTooLongGivesTheAddressOnlyFromAndItsEntry) {
  // 194 bytes read, 200 converted: no room for the terminator.
  Settings(std::string(185, 'x') + "名前" + std::string(5, 'y'), "admin@office.test", "127.0.11.2");
  Send("a@x.test", "");
  EXPECT_NE(RecordedSessions("SMTPSINK_STATE").back().find("From: admin@office.test\r\n"), std::string::npos);
  const auto entries = Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_NE(entries[0].find("エラー： 文字列が長すぎるため、送信元名は付加されません。\r\n"),
            std::string::npos);
}

// Each value has a 200-byte buffer with its terminator.
TEST_F(SendMailTest, ValuesOfOneHundredNinetyNineCharactersRead) {
  const std::string name(199, 'n');
  const std::string subject(199, 's');
  Settings(name, "admin@office.test", "127.0.11.2");
  RegistrySandbox::SetString(dav::kMailKey, dav::kSubject, subject);
  EXPECT_EQ(Send("a@x.test", ""), 1);
  const std::string session = RecordedSessions("SMTPSINK_STATE").back();
  EXPECT_NE(session.find("From: " + name + " <admin@office.test>\r\n"), std::string::npos);
  EXPECT_NE(session.find("Subject: " + subject + "\r\n"), std::string::npos);
  // One more and the subject is no longer read: the mail goes without it.
  RegistrySandbox::SetString(dav::kMailKey, dav::kSubject, subject + "s");
  EXPECT_EQ(Send("a@x.test", ""), 1);
  EXPECT_EQ(RecordedSessions("SMTPSINK_STATE").back().find("Subject:"), std::string::npos);
}

TEST_F(SendMailTest, UnresolvableServerGivesExactlyOneEntryAndNoDialogue) {
  // A label longer than 63 characters fails without asking any name server.
  const std::string server(70, 'n');
  Settings("Admin", "admin@office.test", server);
  const std::size_t before = RecordedSessions("SMTPSINK_STATE").size();
  Send("a@x.test", "");
  EXPECT_EQ(RecordedSessions("SMTPSINK_STATE").size(), before);
  EXPECT_EQ(Entries(), (std::vector<std::string>{
                           "To: a@x.test\r\nCc: \r\nプリンタ名： PRN1\r\n通知概要： Test\r\n"
                           "エラー： '" + server +
                           "' は未定義のホスト名です。 hostsファイルで定義されているかどうか確認し、"
                           "正しいホスト名を設定して下さい。\r\n"}));
}

TEST_F(SendMailTest, RejectingServerStillGetsTheWholeDialogue) {
  Settings("Admin", "admin@office.test", "127.0.11.3");
  Send("a@x.test", "c@x.test");
  const auto sessions = RecordedSessions("SMTPSINK_REJECT_STATE");
  ASSERT_FALSE(sessions.empty());
  const std::string& session = sessions.back();
  for (const char* step : {"HELO ", "MAIL FROM:<admin@office.test>", "RCPT TO:<a@x.test>",
                           "RCPT TO:<c@x.test>", "RCPT TO:<admin@office.test>", "DATA\r\nTo:",
                           "\r\n.\r\n", "QUIT\r\n"}) {
    EXPECT_NE(session.find(step), std::string::npos) << step;
  }
  ASSERT_EQ(Entries().size(), 1u);
  EXPECT_EQ(Entries()[0].find("エラー"), std::string::npos);
}

TEST_F(SendMailTest, BodyIsIsoTwentyTwentyTwoJp) {
  Send("a@x.test", "", "\x81\x9E\x81\x9F");
  const std::string session = RecordedSessions("SMTPSINK_STATE").back();
  EXPECT_NE(session.find("\x1B$B\x21\x7E\x22\x21\x1B(B"), std::string::npos);
  EXPECT_NE(session.find("Content-Type: text/plain; charset=ISO-2022-JP\r\n"), std::string::npos);
}

// Left for the decoding check that runs after this program (decode_mail.py),
// which expects these mails in this order: names and subjects where a
// strict reader and a lenient one must both show exactly what was typed
// (spaces between and beside Japanese runs, ASCII glued to a run, a name
// that takes several encoded words).
TEST_F(SendMailTest, JapaneseMailsForTheIndependentDecoder) {
  RegistrySandbox::SetString(dav::kMailKey, dav::kCompany, "株式会社サンプル");
  const struct {
    const char* name;
    const char* subject;
  } mails[] = {
      {"山田 太郎", "トナー交換のお知らせ"},
      {"NRV 山田", "[PD Report] トナー交換のお知らせ"},
      {"NRV山田", "[PD Report]トナー切れ PRN1"},
      {"東京本社 総務部 情報システム課 プリンタ管理担当 山田 太郎",
       "[PD Report] 東京本社 二階 PRN1 の定期保守の時期です (150000 pages)"},
  };
  for (const auto& mail : mails) {
    RegistrySandbox::SetString(dav::kMailKey, dav::kSubject, mail.subject);
    Settings(mail.name, "admin@office.test", "127.0.11.4");
    Send("a@x.test", "", "ＥＰカートリッジを交換してください。\r\n.\r\n以上");
  }
  const auto sessions = RecordedSessions("SMTPSINK_DECODE_STATE");
  ASSERT_EQ(sessions.size(), std::size(mails));
  // The long name and subject went out as several words, not left out.
  EXPECT_NE(sessions.back().find("?= =?ISO-2022-JP?B?"), std::string::npos);
  EXPECT_NE(sessions.back().find("Subject: =?ISO-2022-JP?B?"), std::string::npos);
  EXPECT_EQ(sessions.back().find("From: admin@office.test\r\n"), std::string::npos);
}

}  // namespace
