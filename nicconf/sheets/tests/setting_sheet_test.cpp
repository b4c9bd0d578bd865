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
#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"
#include "common/win/text_conversion.h"
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
constexpr wchar_t kSessionsRange[] = L" は無効な値です。 1 から 64 の間の値を指定してください。";
constexpr wchar_t kBadSender[] = L"送信元 From:のメールアドレスが無効です。";
constexpr wchar_t kDhcpChosen[] =
    L"「DHCPサーバから取得する」が選択されました。\nプリンタと通信できなくなった場合は、現在の登録を削除し再登録してください。";

using OpenSettings = BOOL(WINAPI*)(HWND, nic::PrinterRecord*);

// The NetWare client's view of the segment: this workstation and the one
// NetWare printer of sheet_network.ini. Written before the DLL loads, since
// it opens IPX when attached.
void WriteSegment() {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "nicconf-sheet-segment.txt";
  std::ofstream(path) << "local 3C 00001B000003\nstation 3C 008087210012\nport 26400\n";
  SetEnvironmentVariableA("NWIPX_SEGMENT", path.c_str());
}

OpenSettings Entry() {
  static HMODULE dll = (WriteSegment(), LoadLibraryA("nicconf.dll"));
  return reinterpret_cast<OpenSettings>(reinterpret_cast<void*>(GetProcAddress(dll, "OpenPrinterSettings")));
}

nic::PrinterRecord Printer(const char* ip, const char* mac, const char* protocol = "TCP/IP") {
  nic::PrinterRecord record{};
  CopyBoundedText(record.netnum, "0000003C");
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
  SendWithin(control, EM_SETSEL, 0x7FFF, 0x7FFF);  // typed at the end
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

// The messages of an OK whose flows run a while: waited for until `count`
// have come up.
Messages MessagesAfterFlows(SheetSession& sheet, std::size_t count, const Answers& answers = {}) {
  Messages shown;
  std::size_t used = 0;
  WaitFor([&] {
    const Answers left(answers.begin() + static_cast<long>(std::min(used, answers.size())), answers.end());
    const Messages now = sheet.session().MessagesOver(sheet.sheet(), left);
    used += now.size();
    shown.insert(shown.end(), now.begin(), now.end());
    return shown.size() >= count;
  });
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
  EXPECT_EQ(s.MessagesComingOver(sheet.sheet()), (Messages{{kNameTyped, Icon::Stop}}));
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

TEST_F(SettingSheet, ACommandNicShowsItsNinePagesInOrder) {
  SheetSession sheet(Printer("127.0.21.2", "00:80:87:21:00:02"));
  ASSERT_NE(sheet.sheet(), nullptr);
  EXPECT_EQ(PageTitles(sheet.sheet()),
            (Titles{L"LANボード", L"TCP/IP", L"TCP/IP詳細", L"SNMP", L"リモート電源制御", L"印刷履歴",
                    L"通信設定", L"メール通知", L"情報"}));
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
  // The list's columns learn what the read told, written or not.
  EXPECT_STREQ(sheet.printer().model, "LP-9800C");
  EXPECT_STREQ(sheet.printer().version, "1.00a");
  EXPECT_STREQ(sheet.printer().status, "<STATE_READY>");
  EXPECT_STREQ(sheet.printer().name, "PRN");
}

// A printing or offline NIC says so in its attributes, not its status text.
TEST_F(SettingSheet, APrintingNicsStateReachesTheList) {
  SheetSession sheet(Printer("127.0.21.5", "00:80:87:21:00:05"));
  ASSERT_NE(sheet.sheet(), nullptr);
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
  EXPECT_STREQ(sheet.printer().status, "<STATE_PRINTING>");
}

HWND ShowPage(SheetSession& sheet, int index) {
  PropSheet_SetCurSel(sheet.sheet(), nullptr, index);
  Settle(sheet.sheet());
  return CurrentPage(sheet.sheet());
}

TEST_F(SettingSheet, SessionsOutsideOneToSixtyFourAreRefusedOnLeavingAndThreeDigitsAtOnce) {
  SheetSession sheet(Printer("127.0.21.2", "00:80:87:21:00:02"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 2);
  HWND sessions = GetDlgItem(page, IDC_DETAIL_SESSIONS);
  for (const wchar_t* wrong : {L"0", L"65"}) {
    SetText(sessions, wrong);
    EXPECT_EQ(sheet.session().MessagesOver(sheet.sheet()), Messages{}) << "not while typed";
    EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok),
              (Messages{{std::wstring(wrong) + kSessionsRange, Icon::Stop}}));
  }
  SetText(sessions, L"10");
  PostKeys(sessions, L"0");
  EXPECT_EQ(sheet.session().MessagesComingOver(sheet.sheet()),
            (Messages{{std::wstring(L"100") + kSessionsRange, Icon::Stop}}));
  EXPECT_EQ(WindowText(sessions), L"10");
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

TEST_F(SettingSheet, SessionsAndGatewayGoInOneItemListAndABusyPrinterIsNoticed) {
  SheetSession sheet(Printer("127.0.21.5", "00:80:87:21:00:05"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 2);
  // Values other than the NIC's, so every run changes both (a random value
  // could equal what an earlier run left).
  const int shownSessions = std::atoi(AnsiFromWide(WindowText(GetDlgItem(page, IDC_DETAIL_SESSIONS))).c_str());
  const int sessions = shownSessions % 63 + 2;
  const std::string gateway =
      AnsiFromWide(WindowText(GetDlgItem(page, IDC_DETAIL_GATEWAY))) == "127.0.0.7" ? "127.0.0.8" : "127.0.0.7";
  SetText(GetDlgItem(page, IDC_DETAIL_SESSIONS), std::to_wstring(sessions).c_str());
  SetText(GetDlgItem(page, IDC_DETAIL_GATEWAY), std::wstring(gateway.begin(), gateway.end()).c_str());
  const std::size_t writes = Logged("wrote", "127.0.21.5").size();
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), Messages{});
  const CallEnd end = sheet.session().Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.messages, (Messages{{kBusy, Icon::Exclamation}}));
  EXPECT_EQ(end.result, TRUE);
  const auto wrote = Logged("wrote", "127.0.21.5");
  ASSERT_EQ(wrote.size(), writes + 1);
  const std::string& line = wrote.back();
  EXPECT_NE(line.find("item 3=" + gateway), std::string::npos) << line;
  EXPECT_NE(line.find("item 4=" + std::to_string(sessions)), std::string::npos) << line;
  EXPECT_EQ(line.find("item ", line.find("item 4=") + 1), std::string::npos) << "only two items: " << line;
}

TEST_F(SettingSheet, ARefusedWriteOffersRetryAndCancelKeepsTheSheet) {
  SheetSession sheet(Printer("127.0.21.9", "00:80:87:21:00:09"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 2);
  SetText(GetDlgItem(page, IDC_DETAIL_SESSIONS), L"3");
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), Messages{});
  EXPECT_EQ(MessagesAfterFlows(sheet, 2, {IDRETRY, IDCANCEL}),
            (Messages{{kWriteFailed, Icon::Stop}, {kWriteFailed, Icon::Stop}}));
  EXPECT_TRUE(IsWindow(sheet.sheet()));
  EXPECT_GE(Logged("ncm", "127.0.21.9").size(), 2u);
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

TEST_F(SettingSheet, DhcpOnANicAlreadyOnDhcpIsNotWarnedAbout) {
  SheetSession sheet(Printer("127.0.21.11", "00:80:87:21:00:11"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 1);
  EXPECT_EQ(IsDlgButtonChecked(page, IDC_TCPIP_DHCP), BST_CHECKED);
  EXPECT_EQ(ClickOnPage(sheet, page, IDC_TCPIP_ARP), Messages{});
  EXPECT_EQ(ClickOnPage(sheet, page, IDC_TCPIP_DHCP), Messages{});
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

TEST_F(SettingSheet, TheSenderNeedsOneAtWithTextOnBothSides) {
  SheetSession sheet(Printer("127.0.21.13", "00:80:87:21:00:13"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 7);
  SendWithin(GetDlgItem(page, IDC_MAIL_ENABLE), BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(ClickOnPage(sheet, page, IDC_MAIL_ENABLE), Messages{});
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_MAIL_FROM)));
  SetText(GetDlgItem(page, IDC_MAIL_SERVER), L"127.0.0.1");
  SetText(GetDlgItem(page, IDC_MAIL_TO), L"admin@example.jp");
  for (const wchar_t* wrong : {L"@example.jp", L"printer@", L"a@b@c"}) {
    SetText(GetDlgItem(page, IDC_MAIL_FROM), wrong);
    EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), (Messages{{kBadSender, Icon::Stop}}))
        << std::string(wrong, wrong + wcslen(wrong));
  }
  SetText(GetDlgItem(page, IDC_MAIL_FROM), L"printer@example.jp");
  PropSheet_SetCurSel(sheet.sheet(), nullptr, 0);
  EXPECT_EQ(sheet.session().MessagesOver(sheet.sheet()), Messages{});
  EXPECT_EQ(CurrentPageIndex(sheet.sheet()), 0);
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

// The NetWare page's panel that holds `control`.
HWND PanelWith(HWND page, int control) {
  for (HWND child : Children(page)) {
    if (GetDlgItem(child, control) != nullptr) return child;
  }
  return nullptr;
}

TEST_F(SettingSheet, AChangedContextGoesInTheExtendedSetRequest) {
  const std::size_t extSets = Logged("extset", "127.0.21.4").size();
  SheetSession sheet(Printer("127.0.21.4", "00:80:87:21:00:04"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 2);
  ChooseComboItem(GetDlgItem(page, IDC_NETWARE_CATEGORY), 1);
  EXPECT_EQ(sheet.session().MessagesOver(sheet.sheet()), Messages{});
  HWND panel = PanelWith(page, IDC_NWSRV_CONTEXT);
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_EQ(IsDlgButtonChecked(panel, IDC_NWSRV_BINDERY), BST_CHECKED);
  SendWithin(GetDlgItem(panel, IDC_NWSRV_BINDERY), BM_SETCHECK, BST_UNCHECKED);
  SendWithin(GetDlgItem(panel, IDC_NWSRV_NDS), BM_SETCHECK, BST_CHECKED);
  EXPECT_EQ(sheet.session().Click(panel, IDC_NWSRV_NDS), Messages{});
  HWND contextField = GetDlgItem(panel, IDC_NWSRV_CONTEXT);
  SetText(contextField, L"");
  PostKeys(contextField, L"o");
  EXPECT_EQ(sheet.session().MessagesComingOver(sheet.sheet()),
            (Messages{{L"NDSコンテキストとして無効です。 数字、英大文字、「-」（ハイフン）、「_」（アンダーバー）、"
                       L"「=」（イコール）及び「.」（ピリオド）のみ設定可能です。",
                       Icon::Stop}}));
  const std::string context = "OU=R" + std::to_string(GetTickCount() % 100000) + ".O=ACME";
  SetText(GetDlgItem(panel, IDC_NWSRV_CONTEXT), std::wstring(context.begin(), context.end()).c_str());
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), Messages{});
  const CallEnd end = sheet.session().Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.messages, Messages{});
  EXPECT_EQ(end.result, TRUE);
  const auto sent = Logged("extset", "127.0.21.4");
  ASSERT_EQ(sent.size(), extSets + 1);
  EXPECT_NE(sent.back().find(Hex(context)), std::string::npos) << sent.back();
}

// The cells of a list view's row.
std::vector<std::wstring> ListRow(HWND list, int row, int columns) {
  std::vector<std::wstring> cells;
  for (int column = 0; column < columns; ++column) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    cells.emplace_back(text);
  }
  return cells;
}

TEST_F(SettingSheet, TheInformationPageShowsModelPictureOptionsAndLanguages) {
  SheetSession sheet(Printer("127.0.21.2", "00:80:87:21:00:02"));
  ASSERT_NE(sheet.sheet(), nullptr);
  HWND page = ShowPage(sheet, 8);
  EXPECT_EQ(CurrentPageIndex(sheet.sheet()), 8);
  EXPECT_EQ(WindowText(GetDlgItem(page, IDC_INFO_MODEL)), L"LP-9800C");
  EXPECT_NE(SendMessageA(GetDlgItem(page, IDC_INFO_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_INFO_LANGUAGES), LB_GETCOUNT, 0, 0), 2);
  HWND options = GetDlgItem(page, IDC_INFO_OPTIONS);
  ASSERT_EQ(ListView_GetItemCount(options), 8);
  using Row = std::vector<std::wstring>;
  EXPECT_EQ(ListRow(options, 0, 3), (Row{L"ハードディスク", L"装着", L"2048MB"}));
  EXPECT_EQ(ListRow(options, 1, 3), (Row{L"メモリサイズ", L"", L"32768KB"}));
  EXPECT_EQ(ListRow(options, 2, 3), (Row{L"オフセットトレイ", L"未装着", L""}));
  EXPECT_EQ(ListRow(options, 4, 3), (Row{L"ソータユニット", L"装着", L""}));
  // Each column is as wide as its longest text.
  EXPECT_GT(ListView_GetColumnWidth(options, 0), static_cast<int>(SendMessageW(options, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(L"フェイスアップトレイ"))));
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

TEST_F(SettingSheet, TheAppleTalkPageShowsTheNicsAddressAndNames) {
  SheetSession sheet(Printer("127.0.21.14", "00:80:87:21:00:14"));
  ASSERT_NE(sheet.sheet(), nullptr);
  EXPECT_EQ(PageTitles(sheet.sheet()), (Titles{L"LANボード", L"TCP/IP", L"AppleTalk", L"情報"}));
  HWND page = ShowPage(sheet, 2);
  EXPECT_EQ(WindowText(GetDlgItem(page, IDC_ATALK_NETWORK)), L"258");
  EXPECT_EQ(WindowText(GetDlgItem(page, IDC_ATALK_NODE)), L"7");
  EXPECT_EQ(WindowText(GetDlgItem(page, IDC_ATALK_PRINTER_NAME)), L"LOBBY");
  EXPECT_EQ(WindowText(GetDlgItem(page, IDC_ATALK_ZONE)), L"ZONE-1");
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Cancel), Messages{});
  EXPECT_EQ(sheet.session().Finish().result, FALSE);
}

TEST_F(SettingSheet, ANetWarePrinterIsReadAndWrittenOverIpx) {
  const char* station = "0000003C:008087210012";
  const std::size_t sets = Logged("set", station).size();
  SheetSession sheet(Printer("", "00:80:87:21:00:12", "NetWare"));
  ASSERT_NE(sheet.sheet(), nullptr);
  EXPECT_EQ(PageTitles(sheet.sheet()), (Titles{L"LANボード", L"NetWare", L"情報"}));
  const std::string newName = "NW-" + std::to_string(GetTickCount() % 100000);
  SetText(PageItem(sheet.sheet(), IDC_LAN_PRINTER_NAME), std::wstring(newName.begin(), newName.end()).c_str());
  EXPECT_EQ(PressSheetButton(sheet.session(), sheet.sheet(), SheetButton::Ok), Messages{});
  const CallEnd end = sheet.session().Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_EQ(end.result, TRUE);
  const auto written = Logged("set", station);
  ASSERT_EQ(written.size(), sets + 1);
  EXPECT_NE(written.back().find(Hex(newName)), std::string::npos);
}

}  // namespace
