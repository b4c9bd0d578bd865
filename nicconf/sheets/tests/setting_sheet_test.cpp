// A printer's setting sheet through nicconf.dll's entry, driven as a user
// would against the simulator's NICs (sheet_network.ini); what reached a NIC
// is read from the simulator's log.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/bounded_text.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"
#include "nicconf/sheets/sheet_dialog_ids.h"
#include "nicproto/printer_record.h"

namespace {

using namespace testkit;
using Titles = std::vector<std::wstring>;

constexpr wchar_t kNoAnswer[] = L"プリンタから応答が有りません。";
constexpr wchar_t kNameTyped[] =
    L"プリンタ名として無効です。 数字、英大文字、「-」（ハイフン）及び「_」（アンダーバー）のみ設定可能です。";
constexpr wchar_t kWriteFailed[] = L"プリンタの設定が変更できませんでした。";
constexpr wchar_t kBusy[] = L"プリンタがビジーなため設定が変更されないことがあります。";
constexpr wchar_t kDhcpChosen[] =
    L"「DHCPサーバから取得する」が選択されました。\nプリンタと通信できなくなった場合は、現在の登録を削除し再登録してください。";

using OpenSettings = BOOL(WINAPI*)(HWND, nic::PrinterRecord*);

OpenSettings Entry() {
  static HMODULE dll = LoadLibraryA("nicconf.dll");
  return reinterpret_cast<OpenSettings>(reinterpret_cast<void*>(GetProcAddress(dll, "OpenPrinterSettings")));
}

nic::PrinterRecord Printer(const char* ip, const char* mac, const char* protocol = "TCP/IP") {
  nic::PrinterRecord record{};
  CopyBoundedText(record.name, "PRN");
  CopyBoundedText(record.ip, ip);
  CopyBoundedText(record.mac, mac);
  CopyBoundedText(record.protocol, protocol);
  return record;
}

// Lines of the simulator's log of one kind for one NIC address.
std::vector<std::string> Logged(const char* kind, const char* ip) {
  const char* state = std::getenv("NICSIM_STATE");
  std::ifstream log(std::string(state != nullptr ? state : "") + "/events.log");
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) {
    std::istringstream words(line);
    std::string k, at;
    words >> k >> at;
    if (k == kind && at == ip) lines.push_back(line);
  }
  return lines;
}

std::string Hex(const std::string& text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (const unsigned char c : text) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 0x0F];
  }
  return hex;
}

// Characters typed where the page may answer with a message box: posted, so
// the box is read by the session instead of holding up the test.
void PostKeys(HWND control, const std::wstring& text) {
  for (const wchar_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

void SetText(HWND control, const wchar_t* text) {
  SendWithin(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

INT_PTR CALLBACK OwnerProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A visible dialog window standing for the folder's view.
HWND MakeOwner() {
  struct alignas(4) Template {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
  } blank{};
  blank.dialog.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
  blank.dialog.cx = 200;
  blank.dialog.cy = 100;
  return CreateDialogIndirectParamA(nullptr, &blank.dialog, nullptr, OwnerProc, 0);
}

// The sheet of `printer`, opened by the entry on the session's thread, with
// no owner (the sheet is then the session's dialog) or over an owner window
// of that thread (the session's dialog; the sheet is over it).
class SheetSession {
 public:
  explicit SheetSession(nic::PrinterRecord printer, bool withOwner = false)
      : printer_(printer),
        session_({L"注意", L"確認", L"情報"}, [this, withOwner] {
          owner_ = withOwner ? MakeOwner() : nullptr;
          const BOOL written = Entry()(owner_.load(), &printer_);
          if (owner_.load() != nullptr) DestroyWindow(owner_.load());
          return written;
        }) {}
  DialogSession& session() { return session_; }
  // The sheet is titled with the printer's name; the wait dialog may come
  // before it.
  HWND sheet() { return session_.WindowTitled(L"PRN"); }
  HWND owner() const { return owner_.load(); }
  const nic::PrinterRecord& printer() const { return printer_; }

 private:
  nic::PrinterRecord printer_;
  std::atomic<HWND> owner_{nullptr};
  DialogSession session_;
};

// A page's message boxes sit over the sheet.
Messages ClickOnPage(SheetSession& sheet, HWND page, int control, const Answers& answers = {}) {
  Messages shown = sheet.session().Click(page, control, answers);
  const Messages over = sheet.session().MessagesOver(sheet.sheet(), answers);
  shown.insert(shown.end(), over.begin(), over.end());
  return shown;
}

class SettingSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("NICSIM_STATE"), nullptr) << "run under the sheet_network fixture";
    ASSERT_NE(Entry(), nullptr);
    InitCommonControls();
  }
};

TEST_F(SettingSheet, ASilentPrinterIsRetriedUntilCancelled) {
  SheetSession sheet(Printer("127.0.21.6", "00:80:87:21:00:06"));
  const CallEnd end = sheet.session().Finish({IDRETRY, IDCANCEL});
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.result, FALSE);
  EXPECT_EQ(end.messages, (Messages{{kNoAnswer, Icon::Stop}, {kNoAnswer, Icon::Stop}}));
  EXPECT_EQ(Logged("probe", "127.0.21.6").size() >= 2, true);
}

TEST_F(SettingSheet, AnotherPrinterAnsweringAtTheAddressIsNamed) {
  SheetSession sheet(Printer("127.0.21.7", "00:80:87:21:00:07"));
  const CallEnd end = sheet.session().Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.result, FALSE);
  ASSERT_EQ(end.messages.size(), 1u);
  EXPECT_NE(end.messages[0].text.find(L"他のプリンタ（NISEMONO）"), std::wstring::npos);
}

TEST_F(SettingSheet, ACancelledReadShowsNothingAndTheOwnerKeepsAnswering) {
  SheetSession sheet(Printer("127.0.21.10", "00:80:87:21:00:0A"), true);
  HWND wait = sheet.session().WindowTitled(L"プリンタと通信中");
  ASSERT_NE(wait, nullptr);
  for (int i = 0; i < 5; ++i) {
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    EXPECT_NE(SendMessageTimeoutA(sheet.owner(), WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result), 0);
    EXPECT_LT(GetTickCount() - start, 100u);
    Sleep(50);
  }
  EXPECT_EQ(sheet.session().Click(wait, IDCANCEL), Messages{});
  const CallEnd end = sheet.session().Finish({IDCANCEL, IDCANCEL});
  ASSERT_TRUE(end.finished) << testing::PrintToString(end.messages) << sheet.session().CallWindows().size();
  EXPECT_EQ(end.result, FALSE);
  EXPECT_EQ(end.messages, Messages{});
}

TEST_F(SettingSheet, AnAttributeNicShowsItsPagesAndOkWithoutChangeSendsNothing) {
  const std::size_t sets = Logged("set", "127.0.21.3").size();
  SheetSession sheet(Printer("127.0.21.3", "00:80:87:21:00:03"));
  ASSERT_NE(sheet.sheet(), nullptr);
  EXPECT_EQ(WindowText(sheet.sheet()), L"PRN");
  EXPECT_EQ(PageTitles(sheet.sheet()), (Titles{L"LANボード", L"TCP/IP", L"NetWare", L"情報"}));
  EXPECT_EQ(WindowText(PageItem(sheet.sheet(), IDC_LAN_PRINTER_NAME)), L"ZOKUSEI");
  EXPECT_EQ(WindowText(PageItem(sheet.sheet(), IDC_LAN_MAC_ADDRESS)), L"00:80:87:21:00:03");
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), Messages{});
  const CallEnd end = sheet.session().Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.result, FALSE);
  EXPECT_EQ(Logged("set", "127.0.21.3").size(), sets);
}

TEST_F(SettingSheet, TheNameTakesDigitsCapitalsHyphensAndUnderscoresOnly) {
  SheetSession sheet(Printer("127.0.21.3", "00:80:87:21:00:03"));
  ASSERT_NE(sheet.sheet(), nullptr);
  DialogSession& s = sheet.session();
  HWND page = CurrentPage(sheet.sheet());
  EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_LAN_PRINTER_NAME), EM_GETLIMITTEXT, 0, 0), 47);
  HWND name = GetDlgItem(page, IDC_LAN_PRINTER_NAME);
  SetText(name, L"");
  PostKeys(name, L"p");
  EXPECT_EQ(s.MessagesOver(sheet.sheet()), (Messages{{kNameTyped, Icon::Stop}}));
  EXPECT_EQ(WindowText(name), L"");
  SetText(name, L"PRN-1_A");
  EXPECT_EQ(s.MessagesOver(sheet.sheet()), Messages{});
  EXPECT_EQ(WindowText(GetDlgItem(page, IDC_LAN_PRINTER_NAME)), L"PRN-1_A");
  EXPECT_EQ(PressSheetButton(s, sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(s.Finish().result, FALSE);
}

TEST_F(SettingSheet, ANewNameIsTheOnlyChangeTheSetRequestCarries) {
  const std::size_t sets = Logged("set", "127.0.21.4").size();
  SheetSession sheet(Printer("127.0.21.4", "00:80:87:21:00:04"));
  ASSERT_NE(sheet.sheet(), nullptr);
  // A name of this run, so a second run changes it again.
  const std::string newName = "KAKIKOMI-" + std::to_string(GetTickCount() % 100000);
  SetText(PageItem(sheet.sheet(), IDC_LAN_PRINTER_NAME), std::wstring(newName.begin(), newName.end()).c_str());
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), Messages{});
  const CallEnd end = sheet.session().Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.result, TRUE);
  EXPECT_EQ(sheet.printer().name, newName);
  const auto written = Logged("set", "127.0.21.4");
  ASSERT_EQ(written.size(), sets + 1);
  EXPECT_NE(written.back().find(Hex(newName)), std::string::npos) << written.back();
}

TEST_F(SettingSheet, ChoosingDhcpWarnsOnce) {
  SheetSession sheet(Printer("127.0.21.2", "00:80:87:21:00:02"));
  ASSERT_NE(sheet.sheet(), nullptr);
  PropSheet_SetCurSel(sheet.sheet(), nullptr, 1);
  Settle(sheet.sheet());
  HWND page = CurrentPage(sheet.sheet());
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_TCPIP_ADDRESS)));
  EXPECT_EQ(ClickOnPage(sheet, page, IDC_TCPIP_DHCP), (Messages{{kDhcpChosen, Icon::Exclamation}}));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_TCPIP_ADDRESS)));
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

}  // namespace
