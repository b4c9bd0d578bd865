// The folder's edit fields in a dialog that names them by class, as the
// setting dialogs do, worked by keystrokes through the real DLL.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "nicconf/folder/field_controls.h"

using testkit::DialogSession;
using testkit::Icon;
using testkit::ShownMessage;

namespace {

constexpr int kIp = 100, kMac = 101, kNumber = 102;
std::atomic<int> fieldChanges{0};

// A dialog template in memory: the three fields and OK.
class Template {
 public:
  Template() {
    Align();
    DLGTEMPLATE dialog{};
    dialog.style = WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME;
    dialog.cdit = 4;
    dialog.cx = 200;
    dialog.cy = 100;
    Put(&dialog, sizeof dialog);
    Word(0);
    Word(0);
    Text(L"フィールド");
    Word(9);
    Text(L"MS UI Gothic");
    Item(kIp, L"IPAddress", 10, 10, 100, 14);
    Item(kMac, L"MACAddress", 10, 30, 120, 14);
    Item(kNumber, L"Number", 10, 50, 60, 14);
    Item(IDOK, L"Button", 140, 80, 50, 14);
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Put(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void Word(WORD w) { Put(&w, sizeof w); }
  void Text(const wchar_t* text) { Put(text, (wcslen(text) + 1) * sizeof(wchar_t)); }
  void Align() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  void Item(int id, const wchar_t* className, short x, short y, short cx, short cy) {
    Align();
    DLGITEMTEMPLATE item{};
    item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = static_cast<WORD>(id);
    Put(&item, sizeof item);
    Text(className);
    Text(id == IDOK ? L"OK" : L"");
    Word(0);
  }
  std::vector<std::uint8_t> bytes_;
};

INT_PTR CALLBACK FieldDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    for (int id : {kIp, kMac, kNumber})
      if (SendDlgItemMessageA(dialog, id, kFieldValidate, 1, 0) == 0) return TRUE;
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
  if (LOWORD(wParam) == kIp && HIWORD(wParam) == EN_CHANGE) ++fieldChanges;
  return TRUE;
}

// The DLL is loaded once, on the test's own thread: its attach starts the
// exchange workers under the loader lock, and a dialog thread that loads it
// while the test thread first touches its windows can deadlock under Wine.
HMODULE Folder() {
  static HMODULE folder = LoadLibraryA("nicconf.dll");
  return folder;
}

class FieldControls : public testing::Test {
 protected:
  FieldControls()
      : folder_(Folder()),
        session_(std::vector<std::wstring>{L"注意"}, [this] {
          static const Template dialogTemplate;
          const INT_PTR result = DialogBoxIndirectParamW(folder_, dialogTemplate.get(), nullptr, FieldDialog, 0);
          return result == IDOK;
        }) {
    dialog_ = session_.Dialog();
  }

  HWND Field(int id) { return GetDlgItem(dialog_, id); }
  HWND Part(int id, int index) { return GetDlgItem(Field(id), index + 1); }
  std::wstring FieldText(int id) { return testkit::WindowText(Field(id)); }
  HWND Focus() { return testkit::FocusedWindow(dialog_); }
  void FocusOn(int id) {
    testkit::SendWithin(Field(id), WM_SETFOCUS);
    testkit::Settle(dialog_);
  }
  void Type(const std::wstring& keys) { testkit::TypeIntoFocus(dialog_, keys); }
  void Press(UINT key) { testkit::PressKey(Focus(), key); }
  DWORD Caret() {
    DWORD start = 0, end = 0;
    SendMessageA(Focus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start;
  }
  void SetText(int id, const char* text) { SendMessageA(Field(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

  HMODULE folder_;
  DialogSession session_;
  HWND dialog_ = nullptr;
};

TEST_F(FieldControls, SixDigitsFillTwoAddressPartsAndLeaveTheCaretInTheThird) {
  ASSERT_NE(dialog_, nullptr);
  FocusOn(kIp);
  const int before = fieldChanges;
  Type(L"192168");
  EXPECT_EQ(FieldText(kIp), L"192.168..");
  EXPECT_EQ(Focus(), Part(kIp, 2));
  EXPECT_GT(fieldChanges, before);  // the dialog hears of the field, not of its parts
  Type(L"1.20");
  EXPECT_EQ(FieldText(kIp), L"192.168.1.20");
  Type(L"x");
  EXPECT_EQ(FieldText(kIp), L"192.168.1.20");
  SetText(kMac, "00:80:87:12:34:56");
  SetText(kNumber, "0000ABCD");
  EXPECT_EQ(session_.Click(IDOK), testkit::Messages{});
  EXPECT_TRUE(session_.Finish().result);
}

TEST_F(FieldControls, AnAddressWithoutItsFourthPartIsRefusedThereWithItsRange) {
  SetText(kIp, "10.1.2.");
  SetText(kMac, "00:80:87:12:34:56");
  SetText(kNumber, "0000ABCD");
  EXPECT_EQ(SendMessageA(Field(kIp), kFieldValidate, 0, 0), 0);
  EXPECT_EQ(session_.Click(IDOK),
            (testkit::Messages{{L"無効な値があります。 0 から 255 の間の値を指定してください。", Icon::Exclamation}}));
  EXPECT_EQ(Focus(), Part(kIp, 3));
  SetText(kIp, "10.1.2.300");
  EXPECT_EQ(SendMessageA(Field(kIp), kFieldValidate, 0, 0), 0);
  SetText(kIp, "10.1.2.3");
  EXPECT_EQ(SendMessageA(Field(kIp), kFieldValidate, 0, 0), 1);
}

TEST_F(FieldControls, MacPartsTakeTwoHexDigitsAndNothingBeyondF) {
  FocusOn(kMac);
  Type(L"g0Ah");
  EXPECT_EQ(FieldText(kMac), L"0A:::::");
  EXPECT_EQ(Focus(), Part(kMac, 1));
  Type(L"80:87:1");
  EXPECT_EQ(FieldText(kMac), L"0A:80:87:1::");
  SetText(kIp, "1.2.3.4");
  SetText(kNumber, "0000ABCD");
  EXPECT_EQ(session_.Click(IDOK), (testkit::Messages{{L"予期せぬエラー(102)", Icon::Exclamation}}));
  EXPECT_EQ(Focus(), Part(kMac, 3));
}

TEST_F(FieldControls, ANumberWithoutRangeWantsEightHexDigitsAndWithOneADecimalInIt) {
  FocusOn(kNumber);
  Type(L"00AbCd12");
  EXPECT_EQ(FieldText(kNumber), L"00AbCd12");
  EXPECT_EQ(SendMessageA(Field(kNumber), kFieldValidate, 0, 0), 1);
  SetText(kNumber, "12345");
  SetText(kIp, "1.2.3.4");
  SetText(kMac, "00:80:87:12:34:56");
  EXPECT_EQ(session_.Click(IDOK), (testkit::Messages{{L"予期せぬエラー(170)", Icon::Exclamation}}));

  SendMessageA(Field(kNumber), kFieldSetRange, 0, MAKELONG(1, 65535));
  SetText(kNumber, "");
  FocusOn(kNumber);
  Type(L"1a0");
  EXPECT_EQ(FieldText(kNumber), L"10");
  SetText(kNumber, "0");
  EXPECT_EQ(session_.Click(IDOK),
            (testkit::Messages{{L"無効な値があります。 1 から 65535 の間の値を指定してください。", Icon::Exclamation}}));
}

TEST_F(FieldControls, ArrowsHomeEndAndBackspaceMoveBetweenParts) {
  SetText(kIp, "192.168.1.20");
  FocusOn(kIp);
  Press(VK_END);
  EXPECT_EQ(Focus(), Part(kIp, 3));
  EXPECT_EQ(Caret(), 2u);
  Press(VK_LEFT);
  Press(VK_LEFT);
  EXPECT_EQ(Caret(), 0u);
  Press(VK_LEFT);  // at the start: the end of the part before
  EXPECT_EQ(Focus(), Part(kIp, 2));
  EXPECT_EQ(Caret(), 1u);
  Press(VK_RIGHT);  // at the end: the start of the part after
  EXPECT_EQ(Focus(), Part(kIp, 3));
  EXPECT_EQ(Caret(), 0u);
  Press(VK_BACK);  // at the start: goes on in the part before
  EXPECT_EQ(Focus(), Part(kIp, 2));
  EXPECT_EQ(FieldText(kIp), L"192.168..20");
  Press(VK_HOME);
  EXPECT_EQ(Focus(), Part(kIp, 0));
  EXPECT_EQ(Caret(), 0u);
}

TEST_F(FieldControls, PastedLettersNeverReachAnAddress) {
  FocusOn(kIp);
  SendMessageA(Focus(), EM_SETSEL, 0, -1);
  testkit::Paste(Focus(), L"1a9b2");
  EXPECT_EQ(FieldText(kIp), L"192...");
  SetText(kIp, "");
  EXPECT_EQ(FieldText(kIp), L"");
  EXPECT_EQ(GetWindowTextLengthA(Field(kIp)), 0);
}

}  // namespace
