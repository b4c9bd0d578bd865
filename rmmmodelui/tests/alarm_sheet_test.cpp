// The alarm settings sheet through rmmmodelui.dll's two entries, as the mail
// settings UI calls them, driven as an administrator would, in this
// process's own registry.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/dav_registry.h"
#include "common/dav_ui_entries.h"
#include "common/win/registry_key.h"
#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"
#include "common/win/testing/registry_sandbox.h"
#include "rmmmodelui/alarm_dialog_ids.h"

namespace {

using namespace testkit;

constexpr char kPrinter[] = "LP-9800C 2F";
constexpr wchar_t kTitle[] = L"アラームの発信設定 - LP-9800C 2F";
constexpr int kItem = 0x5A17;
const std::string kDriverData =
    std::string(dav::kPrintersKey) + "\\" + kPrinter + "\\" + dav::kDriverData;

constexpr wchar_t kToMissing[] = L"通知先(必須)が設定されていません。";
constexpr wchar_t kToTooLong[] =
    L"入力可能な文字数をオーバーしました。\r\n通知先(必須)で入力可能な文字数は半角64文字までです。";

struct Entries {
  UpdateColumnCallEntry updateColumn;
  DavUiDllMainEntry show;
};

Entries Loaded() {
  static HMODULE dll = LoadLibraryA("rmmmodelui.dll");
  return {reinterpret_cast<UpdateColumnCallEntry>(reinterpret_cast<void*>(GetProcAddress(dll, "UpdateColumnCall"))),
          reinterpret_cast<DavUiDllMainEntry>(reinterpret_cast<void*>(GetProcAddress(dll, "DavUiDllMain")))};
}

// What the column callback was told, from the sheet's thread.
std::mutex toldLock;
std::vector<int> told;
void WINAPI ColumnCallback(int item) {
  std::lock_guard hold(toldLock);
  told.push_back(item);
}
std::vector<int> Told() {
  std::lock_guard hold(toldLock);
  return told;
}

std::string Stored(const char* name) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, kDriverData.c_str(), KEY_READ).ReadString(name, 1000).value_or("<missing>");
}

DWORD StoredFlags() {
  DWORD flags = 0xDEAD;
  RegistrySandbox::GetDword(kDriverData.c_str(), dav::kCheckMail, flags);
  return flags;
}

void SetText(HWND control, const std::wstring& text) {
  SendWithin(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The sheet as the mail settings UI opens it: callback first, then the sheet
// for the printer, on a thread of its own.
class AlarmSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    ASSERT_NE(Loaded().show, nullptr);
    ASSERT_NE(Loaded().updateColumn, nullptr);
    InitCommonControls();
    // Every printer the spooler knows has its driver data key.
    ASSERT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, kDriverData.c_str(), KEY_ALL_ACCESS));
    std::lock_guard hold(toldLock);
    told.clear();
  }

  void Open() {
    session = std::make_unique<DialogSession>(std::vector<std::wstring>{L"アラームの発信設定", L"メール通知の設定"}, [] {
      if (Loaded().updateColumn(ColumnCallback, 0) != 1) return FALSE;
      return static_cast<BOOL>(Loaded().show(kPrinter, kItem, nullptr));
    });
    sheet = session->WindowTitled(kTitle);
    ASSERT_NE(sheet, nullptr);
  }

  HWND Page() { return CurrentPage(sheet); }
  Messages Press(SheetButton button) { return PressSheetButton(*session, sheet, button); }

  RegistrySandbox sandbox;
  std::unique_ptr<DialogSession> session;
  HWND sheet = nullptr;
};

TEST_F(AlarmSheet, OpensTitledForThePrinterWithBothPagesFilledFromItsSettings) {
  RegistrySandbox::SetString(kDriverData.c_str(), dav::kTonerTo, "toner@office.test");
  RegistrySandbox::SetString(kDriverData.c_str(), dav::kMaintenanceComment, "3階 総務部");
  RegistrySandbox::SetDword(kDriverData.c_str(), dav::kCheckMail, 0x10);
  Open();
  EXPECT_EQ(PageTitles(sheet), (std::vector<std::wstring>{L"ＥＰカートリッジの交換", L"定期保守"}));
  EXPECT_EQ(WindowText(PageItem(sheet, IDC_ALARM_NOTIFY)), L"通知する(&N)");
  // The toner page's bit is clear: its fields are shown, greyed.
  EXPECT_EQ(WindowText(PageItem(sheet, IDC_ALARM_TO)), L"toner@office.test");
  EXPECT_EQ(IsDlgButtonChecked(Page(), IDC_ALARM_NOTIFY), BST_UNCHECKED);
  for (int control : {IDC_ALARM_TO, IDC_ALARM_CC, IDC_ALARM_COMMENT, IDC_ALARM_DEFAULT, IDC_ALARM_PREVIEW})
    EXPECT_FALSE(IsWindowEnabled(PageItem(sheet, control))) << control;
  EXPECT_EQ(SendWithin(PageItem(sheet, IDC_ALARM_TO), EM_GETLIMITTEXT), 99);
  EXPECT_EQ(SendWithin(PageItem(sheet, IDC_ALARM_COMMENT), EM_GETLIMITTEXT), 199);
  EXPECT_EQ(SelectPage(*session, sheet, 1), Messages{});
  EXPECT_EQ(IsDlgButtonChecked(Page(), IDC_ALARM_NOTIFY), BST_CHECKED);
  EXPECT_EQ(WindowText(GetDlgItem(Page(), IDC_ALARM_COMMENT)), L"3階 総務部");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Page(), IDC_ALARM_TO)));
  // Unticking greys the fields again.
  session->Tick(Page(), IDC_ALARM_NOTIFY, false);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(), IDC_ALARM_TO)));
  EXPECT_EQ(Press(SheetButton::Cancel), Messages{});
  EXPECT_EQ(session->Finish().result, TRUE);
  EXPECT_EQ(StoredFlags(), 0x10u);
  EXPECT_EQ(Told(), std::vector<int>{});
}

TEST_F(AlarmSheet, AnUntickedPageAcceptsAnEmptyToAndEachSavedPageTellsTheColumn) {
  RegistrySandbox::SetString(kDriverData.c_str(), dav::kTonerTo, "old@office.test");
  Open();
  SetText(GetDlgItem(Page(), IDC_ALARM_TO), L"");
  EXPECT_EQ(SelectPage(*session, sheet, 1), Messages{});
  session->Tick(Page(), IDC_ALARM_NOTIFY, true);
  SetText(GetDlgItem(Page(), IDC_ALARM_TO), L"service@office.test");
  SetText(GetDlgItem(Page(), IDC_ALARM_CC), L"chief@office.test");
  EXPECT_EQ(Press(SheetButton::Ok), Messages{});
  const CallEnd end = session->Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.result, TRUE);
  EXPECT_EQ(Stored(dav::kTonerTo), "");
  EXPECT_EQ(Stored(dav::kMaintenanceTo), "service@office.test");
  EXPECT_EQ(Stored(dav::kMaintenanceCc), "chief@office.test");
  EXPECT_EQ(StoredFlags(), 0x10u);
  EXPECT_EQ(Told(), (std::vector<int>{kItem, kItem}));
}

// The checks speak when the page is left or the sheet applies; an apply
// stores what was typed all the same and keeps the sheet open.
TEST_F(AlarmSheet, ATooLongToIsRefusedYetStoredAndTheSheetStaysOpen) {
  Open();
  session->Tick(Page(), IDC_ALARM_NOTIFY, true);
  EXPECT_EQ(SelectPage(*session, sheet, 1), (Messages{{kToMissing, Icon::Exclamation}}));
  EXPECT_EQ(CurrentPageIndex(sheet), 0);
  const std::wstring to65(65, L't');
  SetText(GetDlgItem(Page(), IDC_ALARM_TO), to65);
  EXPECT_EQ(SelectPage(*session, sheet, 1), (Messages{{kToTooLong, Icon::Exclamation}}));
  EXPECT_EQ(Press(SheetButton::Apply), (Messages{{kToTooLong, Icon::Exclamation}}));
  EXPECT_TRUE(IsWindow(sheet));
  EXPECT_EQ(Stored(dav::kTonerTo), std::string(65, 't'));
  EXPECT_EQ(StoredFlags(), 0x01u);
  EXPECT_EQ(Told(), std::vector<int>{kItem});
  // OK refuses the same way; 64 characters pass.
  EXPECT_EQ(Press(SheetButton::Ok), (Messages{{kToTooLong, Icon::Exclamation}}));
  EXPECT_TRUE(IsWindow(sheet));
  SetText(GetDlgItem(Page(), IDC_ALARM_TO), std::wstring(64, L't'));
  EXPECT_EQ(Press(SheetButton::Ok), Messages{});
  EXPECT_EQ(session->Finish().result, TRUE);
  EXPECT_EQ(Stored(dav::kTonerTo), std::string(64, 't'));
}

TEST_F(AlarmSheet, TheDefaultButtonPutsInTheWorkstationsDefaultRecipients) {
  RegistrySandbox::SetString(dav::kMailKey, dav::kDefaultTo, "default@office.test");
  RegistrySandbox::SetString(dav::kMailKey, dav::kDefaultCc, "copy@office.test");
  RegistrySandbox::SetDword(kDriverData.c_str(), dav::kCheckMail, 0x01);
  Open();
  EXPECT_EQ(session->Click(Page(), IDC_ALARM_DEFAULT), Messages{});
  EXPECT_EQ(WindowText(GetDlgItem(Page(), IDC_ALARM_TO)), L"default@office.test");
  EXPECT_EQ(WindowText(GetDlgItem(Page(), IDC_ALARM_CC)), L"copy@office.test");
  EXPECT_TRUE(SheetButtonEnabled(sheet, SheetButton::Apply));
  EXPECT_EQ(Press(SheetButton::Cancel), Messages{});
  EXPECT_EQ(Stored(dav::kTonerTo), "<missing>");
}

// The preview reads what is stored, not what is typed; the toner notice is
// called "ＥＰカートリッジの交換" there (the mail itself says
// "ＥＰカートリッジ交換"), and a subject never stored reads "[PD Report]".
TEST_F(AlarmSheet, ThePreviewShowsTheStoredNoticeAndResizesAroundItsButton) {
  RegistrySandbox::SetString(kDriverData.c_str(), dav::kTonerTo, "toner@office.test");
  RegistrySandbox::SetDword(kDriverData.c_str(), dav::kCheckMail, 0x01);
  RegistrySandbox::SetString(dav::kMailKey, dav::kMail, "admin@office.test");
  RegistrySandbox::SetString(dav::kMailKey, dav::kCompany, "山田商事");
  Open();
  SetText(GetDlgItem(Page(), IDC_ALARM_TO), L"typed@office.test");
  EXPECT_EQ(session->Click(Page(), IDC_ALARM_PREVIEW), Messages{});
  HWND preview = session->WindowTitled(L"通知設定の確認");
  ASSERT_NE(preview, nullptr);
  const std::wstring text = WindowText(GetDlgItem(preview, IDC_PREVIEW_TEXT));
  EXPECT_TRUE(text.starts_with(L"\r\n通知先： toner@office.test\r\n\r\n写し： \r\n\r\nメールアドレス： admin@office.test\r\n"))
      << testing::PrintToString(text);
  EXPECT_NE(text.find(L"Subject： [PD Report]\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"通知概要： ＥＰカートリッジの交換－＞ アラーム： 76 トナーナシ\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"プリンタ名： LP-9800C 2F\r\n"), std::wstring::npos);
  EXPECT_NE(text.find(L"会社名： 山田商事\r\n"), std::wstring::npos);
  EXPECT_EQ(WindowText(GetDlgItem(preview, IDCANCEL)), L"閉じる");

  auto rectOf = [&](int control) {
    RECT r{};
    GetWindowRect(GetDlgItem(preview, control), &r);
    MapWindowPoints(nullptr, preview, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT button = rectOf(IDCANCEL);
  RECT client{};
  GetClientRect(preview, &client);
  RECT window{};
  GetWindowRect(preview, &window);
  SetWindowPos(preview, nullptr, 0, 0, window.right - window.left + 120, window.bottom - window.top + 80,
               SWP_NOMOVE | SWP_NOZORDER);
  Settle(preview);
  RECT grown{};
  GetClientRect(preview, &grown);
  const RECT movedButton = rectOf(IDCANCEL);
  const RECT movedText = rectOf(IDC_PREVIEW_TEXT);
  EXPECT_EQ(movedButton.right - movedButton.left, button.right - button.left);
  EXPECT_EQ(movedButton.bottom - movedButton.top, button.bottom - button.top);
  EXPECT_EQ(grown.right - movedButton.right, client.right - button.right);
  EXPECT_EQ(grown.bottom - movedButton.bottom, client.bottom - button.bottom);
  EXPECT_LT(movedText.bottom, movedButton.top);
  EXPECT_EQ(movedText.right, movedButton.right);

  EXPECT_EQ(session->Click(preview, IDCANCEL), Messages{});
  EXPECT_TRUE(WaitUntilGone(preview));
  EXPECT_EQ(Press(SheetButton::Cancel), Messages{});
}

// The sheet works on a printer whose key is missing: nothing to show, and
// nothing saved.
TEST_F(AlarmSheet, APrinterWithoutSettingsKeyShowsEmptyPagesAndSavesNothing) {
  ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string(dav::kPrintersKey) + "\\" + kPrinter).c_str()),
            ERROR_SUCCESS);
  Open();
  SetText(GetDlgItem(Page(), IDC_ALARM_TO), L"lost@office.test");
  EXPECT_EQ(Press(SheetButton::Ok), Messages{});
  EXPECT_EQ(session->Finish().result, TRUE);
  EXPECT_EQ(Stored(dav::kTonerTo), "<missing>");
  EXPECT_EQ(Told(), std::vector<int>{});
}

}  // namespace
