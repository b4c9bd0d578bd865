// The mail settings sheet as maintui shows it, driven as an administrator
// would, in this process's own registry.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "common/dav_registry.h"
#include "common/win/registry_key.h"
#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"
#include "common/win/testing/registry_sandbox.h"
#include "maintui/mail_settings_sheet.h"
#include "maintui/mail_sheet_ids.h"

namespace {

using namespace testkit;

constexpr wchar_t kCaption[] = L"メール通知の設定";
constexpr wchar_t kIncomplete[] = L"メール送信に必要な情報が設定されていません。";
constexpr wchar_t kSubjectTooLong[] =
    L"入力可能な文字数をオーバーしました。\r\nSubjectで入力可能な文字数は半角128文字までです。";

std::string Stored(const char* name) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ).ReadString(name, 1000).value_or("<missing>");
}

void SetText(HWND control, const std::wstring& text) {
  SendWithin(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The sheet on a thread of its own, as maintui's workers show it. Its
// message boxes carry the sheet's caption and are told from it by their
// owner, the sheet.
class MailSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    InitCommonControls();
  }

  void Open() {
    session = std::make_unique<DialogSession>(kCaption, [] {
      maintui::ShowMailSettingsSheet(nullptr);
      return TRUE;
    });
    sheet = session->WindowTitled(kCaption);
    ASSERT_NE(sheet, nullptr);
  }

  HWND Field(int id) { return GetDlgItem(CurrentPage(sheet), id); }
  Messages Press(SheetButton button) { return PressSheetButton(*session, sheet, button); }
  // Closed by the test: nothing is left for the session to answer.
  void Close(SheetButton button) {
    EXPECT_EQ(Press(button), Messages{});
    EXPECT_TRUE(WaitUntilGone(sheet));
    EXPECT_TRUE(session->Finish().finished);
  }

  RegistrySandbox sandbox;
  std::unique_ptr<DialogSession> session;
  HWND sheet = nullptr;
};

TEST_F(MailSheet, OpensOnTheSenderPageAndCreatesTheSettingsKey) {
  RegistrySandbox::SetString(dav::kMailKey, dav::kName, "山田 太郎");
  RegistrySandbox::SetString(dav::kMailKey, dav::kServer, "mail.office.test");
  Open();
  EXPECT_EQ(PageTitles(sheet), (std::vector<std::wstring>{L"メール送信情報", L"ユーザ情報"}));
  EXPECT_EQ(WindowText(Field(IDC_MAIL_NAME)), L"山田 太郎");
  EXPECT_EQ(WindowText(Field(IDC_MAIL_SERVER)), L"mail.office.test");
  EXPECT_EQ(WindowText(Field(IDC_MAIL_ADDRESS)), L"");
  EXPECT_EQ(WindowText(Field(IDC_MAIL_SUBJECT)), L"[PD Report]");
  EXPECT_EQ(WindowText(Field(IDC_SENDER_GROUP)), L"メール送信元情報（必須）");
  EXPECT_EQ(WindowText(Field(IDC_RECIPIENT_GROUP)), L"メール送信先情報");
  // The fields take what every reader's buffer takes.
  const std::vector<std::pair<int, LRESULT>> limits = {{IDC_MAIL_NAME, 99},    {IDC_MAIL_ADDRESS, 99},
                                                       {IDC_MAIL_SERVER, 79},  {IDC_MAIL_SUBJECT, 149},
                                                       {IDC_MAIL_DEFAULT_TO, 99}, {IDC_MAIL_DEFAULT_CC, 99}};
  for (const auto& [id, limit] : limits) EXPECT_EQ(SendWithin(Field(id), EM_GETLIMITTEXT), limit) << id;
  Close(SheetButton::Cancel);
  EXPECT_TRUE(RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ));

  RegDeleteTreeA(HKEY_LOCAL_MACHINE, dav::kMailKey);
  Open();
  Close(SheetButton::Cancel);
  EXPECT_TRUE(RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kMailKey, KEY_READ));
}

// The later failure is the one remembered: a long subject after an empty
// name gives the subject's message alone. Both are stored all the same.
TEST_F(MailSheet, AnEmptyNameAndALongSubjectShowOnlyTheSubjectsMessageAndAreBothSaved) {
  RegistrySandbox::SetString(dav::kMailKey, dav::kName, "old name");
  RegistrySandbox::SetString(dav::kMailKey, dav::kMail, "admin@office.test");
  RegistrySandbox::SetString(dav::kMailKey, dav::kServer, "127.0.17.4");
  Open();
  SetText(Field(IDC_MAIL_NAME), L"");
  SetText(Field(IDC_MAIL_SUBJECT), std::wstring(129, L's'));
  EXPECT_EQ(Press(SheetButton::Ok), (Messages{{kSubjectTooLong, Icon::Exclamation}}));
  EXPECT_TRUE(IsWindowVisible(sheet));
  EXPECT_EQ(Stored(dav::kName), "");
  EXPECT_EQ(Stored(dav::kSubject), std::string(129, 's'));
  // Leaving the page checks the same way; an empty name alone says the
  // sender data is incomplete.
  SetText(Field(IDC_MAIL_SUBJECT), L"[PD Report]");
  EXPECT_EQ(SelectPage(*session, sheet, 1), (Messages{{kIncomplete, Icon::Exclamation}}));
  EXPECT_EQ(CurrentPageIndex(sheet), 0);
  SetText(Field(IDC_MAIL_NAME), L"管理者");
  EXPECT_EQ(SelectPage(*session, sheet, 1), Messages{});
  Close(SheetButton::Ok);
  EXPECT_EQ(Stored(dav::kName), "管理者");
}

TEST_F(MailSheet, AMissingSubjectIsOfferedAsPdReportAndSavedUnchanged) {
  Open();
  SetText(Field(IDC_MAIL_NAME), L"Admin");
  SetText(Field(IDC_MAIL_ADDRESS), L"admin@office.test");
  SetText(Field(IDC_MAIL_SERVER), L"127.0.17.4");
  Close(SheetButton::Ok);
  EXPECT_EQ(Stored(dav::kSubject), "[PD Report]");
  EXPECT_EQ(Stored(dav::kDefaultTo), "");
}

TEST_F(MailSheet, TheUserPageStoresTheSignatureAndChecksItsLengths) {
  Open();
  EXPECT_EQ(SelectPage(*session, sheet, 1), (Messages{{kIncomplete, Icon::Exclamation}}));
  SetText(Field(IDC_MAIL_NAME), L"Admin");
  SetText(Field(IDC_MAIL_ADDRESS), L"admin@office.test");
  SetText(Field(IDC_MAIL_SERVER), L"127.0.17.4");
  EXPECT_EQ(SelectPage(*session, sheet, 1), Messages{});
  EXPECT_EQ(WindowText(Field(IDC_USER_GROUP)), L"ユーザ情報");
  EXPECT_EQ(SendWithin(Field(IDC_USER_ADDRESS), EM_GETLIMITTEXT), 199);
  EXPECT_EQ(SendWithin(Field(IDC_USER_TELEPHONE), EM_GETLIMITTEXT), 79);
  SetText(Field(IDC_USER_COMPANY), L"山田商事");
  SetText(Field(IDC_USER_ADDRESS), L"東京都千代田区\r\n1-2-3");
  SetText(Field(IDC_USER_TELEPHONE), std::wstring(65, L'0'));
  EXPECT_EQ(Press(SheetButton::Apply),
            (Messages{{L"入力可能な文字数をオーバーしました。\r\n電話番号で入力可能な文字数は半角64文字までです。",
                       Icon::Exclamation}}));
  EXPECT_EQ(Stored(dav::kTelephone), std::string(65, '0'));
  EXPECT_EQ(Stored(dav::kCompany), "山田商事");
  EXPECT_EQ(Stored(dav::kAddress), "東京都千代田区\r\n1-2-3");
  SetText(Field(IDC_USER_TELEPHONE), L"03-1234-5678");
  Close(SheetButton::Ok);
  EXPECT_EQ(Stored(dav::kTelephone), "03-1234-5678");
}

}  // namespace
