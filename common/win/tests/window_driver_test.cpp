// The test kit's drivers against windows of the test's own, shown by a call
// on the session's thread as a module's entry would show them: a dialog of
// common controls, and a two-page wizard whose first page asks before it
// lets the user on.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/win/testing/control_driver.h"
#include "common/win/testing/dialog_driver.h"
#include "common/win/testing/property_sheet_driver.h"

namespace testkit {
namespace {

constexpr int kList = 100, kTree = 101, kSlider = 102, kEdit = 103, kSpin = 104, kCombo = 105;
constexpr int kAsk = 106;
constexpr wchar_t kCaption[] = L"確認";

// A dialog template built in memory: a header, then one item a control.
class Template {
 public:
  Template(const wchar_t* title, short width, short height) {
    DLGTEMPLATE header{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 0, 0, 0,
                       width, height};
    Append(&header, sizeof header);
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(title);
    Word(9);
    Text(L"MS Shell Dlg");
  }
  void Control(const wchar_t* type, int id, DWORD style, short x, short y, short cx, short cy,
               const wchar_t* text = L"") {
    Align();
    DLGITEMTEMPLATE item{WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy, static_cast<WORD>(id)};
    Append(&item, sizeof item);
    Text(type);
    Text(text);
    Word(0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(bytes_.data());
    ++header->cdit;
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Append(const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void Word(WORD w) { Append(&w, sizeof w); }
  void Text(const wchar_t* text) { Append(text, (std::wcslen(text) + 1) * sizeof(wchar_t)); }
  void Align() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  std::vector<char> bytes_;
};

INT_PTR CALLBACK ControlsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    HWND list = GetDlgItem(dialog, kList);
    for (int column = 0; column < 2; ++column) {
      LVCOLUMNW c{};
      c.mask = LVCF_TEXT | LVCF_WIDTH;
      c.cx = 60;
      c.pszText = const_cast<wchar_t*>(column == 0 ? L"名前" : L"IP");
      SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
    }
    const wchar_t* rows[][2] = {{L"総務", L"10.0.0.2"}, {L"営業", L"10.0.0.1"}};
    for (int i = 0; i < 2; ++i) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = const_cast<wchar_t*>(rows[i][0]);
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      item.iSubItem = 1;
      item.pszText = const_cast<wchar_t*>(rows[i][1]);
      SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
    HWND tree = GetDlgItem(dialog, kTree);
    TVINSERTSTRUCTW root{TVI_ROOT, TVI_LAST, {}};
    root.item.mask = TVIF_TEXT;
    root.item.pszText = const_cast<wchar_t*>(L"本社");
    const auto top = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&root)));
    TVINSERTSTRUCTW child{top, TVI_LAST, {}};
    child.item.mask = TVIF_TEXT;
    child.item.pszText = const_cast<wchar_t*>(L"経理");
    SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&child));
    SendDlgItemMessageW(dialog, kSlider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendDlgItemMessageW(dialog, kSpin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kEdit)), 0);
    SendDlgItemMessageW(dialog, kSpin, UDM_SETRANGE32, 1, 64);
    for (const wchar_t* choice : {L"自動", L"手動"}) {
      SendDlgItemMessageW(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    return TRUE;
  }
  if (message == WM_HSCROLL) {
    // The dialog shows the slider's position in its title, as pages show
    // a cycle's label.
    SetWindowTextW(dialog, std::to_wstring(SendDlgItemMessageW(dialog, kSlider, TBM_GETPOS, 0, 0)).c_str());
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == kAsk) {
    const int answer = MessageBoxW(dialog, L"続けますか?", kCaption, MB_YESNO | MB_ICONQUESTION);
    SetDlgItemTextW(dialog, kEdit, answer == IDYES ? L"yes" : L"no");
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

Template ControlsTemplate() {
  Template dialog(L"controls", 300, 200);
  dialog.Control(WC_LISTVIEWW, kList, LVS_REPORT | WS_BORDER, 5, 5, 140, 60);
  dialog.Control(WC_TREEVIEWW, kTree, TVS_HASBUTTONS | WS_BORDER, 150, 5, 140, 60);
  dialog.Control(TRACKBAR_CLASSW, kSlider, 0, 5, 70, 140, 20);
  dialog.Control(L"Edit", kEdit, WS_BORDER, 150, 70, 60, 14);
  dialog.Control(UPDOWN_CLASSW, kSpin, UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 210, 70, 10, 14);
  dialog.Control(L"ComboBox", kCombo, CBS_DROPDOWNLIST, 5, 100, 80, 60);
  dialog.Control(L"Button", kAsk, BS_PUSHBUTTON, 150, 100, 60, 14, L"ask");
  dialog.Control(L"Button", IDOK, BS_DEFPUSHBUTTON, 150, 150, 60, 14, L"OK");
  return dialog;
}

TEST(WindowDriver, ListsTreesSlidersSpinsAndCombosAreReadAndWorked) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const Template dialog = ControlsTemplate();
  DialogSession session(kCaption, [&] {
    return static_cast<BOOL>(DialogBoxIndirectParamW(nullptr, dialog.get(), nullptr, ControlsProc, 0));
  });
  HWND window = session.Dialog();
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, kList);
  EXPECT_EQ(ListColumns(list), (std::vector<std::wstring>{L"名前", L"IP"}));
  EXPECT_EQ(ListRows(list), (std::vector<std::vector<std::wstring>>{{L"総務", L"10.0.0.2"}, {L"営業", L"10.0.0.1"}}));
  SelectListItem(list, 1);
  EXPECT_EQ(SelectedListItems(list), std::vector<int>{1});

  HWND tree = GetDlgItem(window, kTree);
  const std::vector<TreeNode> nodes = TreeItems(tree);
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(nodes[0].text, L"本社");
  ASSERT_EQ(nodes[0].children.size(), 1u);
  EXPECT_EQ(nodes[0].children[0].text, L"経理");
  EXPECT_TRUE(SelectTreeItem(tree, {L"本社", L"経理"}));
  EXPECT_FALSE(SelectTreeItem(tree, {L"本社", L"人事"}));

  MoveSlider(GetDlgItem(window, kSlider), 7);
  EXPECT_EQ(SliderPosition(GetDlgItem(window, kSlider)), 7);
  EXPECT_EQ(WindowText(window), L"7");
  MoveSpin(GetDlgItem(window, kSpin), 64);
  EXPECT_EQ(SpinPosition(GetDlgItem(window, kSpin)), 64);
  EXPECT_EQ(session.Text(kEdit), L"64");

  HWND combo = GetDlgItem(window, kCombo);
  EXPECT_EQ(ComboItems(combo), (std::vector<std::wstring>{L"自動", L"手動"}));
  ChooseComboItem(combo, 1);
  EXPECT_EQ(ComboChoice(combo), 1);

  HWND edit = GetDlgItem(window, kEdit);
  SetWindowTextW(edit, L"");
  TypeKeys(edit, L"a1");
  PressKey(edit, VK_BACK);
  EXPECT_EQ(session.Text(kEdit), L"a");

  EXPECT_EQ(session.Click(kAsk, {IDNO}), (Messages{{L"続けますか?", Icon::Question}}));
  EXPECT_EQ(session.Text(kEdit), L"no");
  EXPECT_EQ(session.Click(kAsk), (Messages{{L"続けますか?", Icon::Question}}));  // Enter: Yes
  EXPECT_EQ(session.Text(kEdit), L"yes");
  EXPECT_EQ(session.Click(IDOK), Messages{});
  const CallEnd end = session.Finish();
  EXPECT_TRUE(end.finished);
  EXPECT_EQ(end.result, IDOK);
}

// The wizard: the first page refuses to be left until its box is ticked,
// with a warning; the second page finishes.
constexpr int kTick = 200;

INT_PTR CALLBACK FirstPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_NOTIFY) return FALSE;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header->code == PSN_SETACTIVE) {
    PropSheet_SetWizButtons(GetParent(page), PSWIZB_NEXT);
    return TRUE;
  }
  if (header->code == PSN_WIZNEXT) {
    if (IsDlgButtonChecked(page, kTick) == BST_CHECKED) return FALSE;
    MessageBoxW(page, L"チェックしてください", kCaption, MB_OK | MB_ICONEXCLAMATION);
    SetWindowLongPtrW(page, DWLP_MSGRESULT, -1);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK LastPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) {
    PropSheet_SetWizButtons(GetParent(page), PSWIZB_BACK | PSWIZB_FINISH);
    return TRUE;
  }
  return FALSE;
}

TEST(PropertySheetDriver, AWizardIsSteppedThroughWithItsButtonsAndMessages) {
  Template first(L"一", 200, 100);
  first.Control(L"Button", kTick, BS_AUTOCHECKBOX, 10, 10, 100, 12, L"同意する");
  Template last(L"二", 200, 100);
  PROPSHEETPAGEW pages[2] = {};
  for (PROPSHEETPAGEW& page : pages) {
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT;
  }
  pages[0].pResource = first.get();
  pages[0].pfnDlgProc = FirstPageProc;
  pages[1].pResource = last.get();
  pages[1].pfnDlgProc = LastPageProc;
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_WIZARD;
  header.pszCaption = L"wizard";
  header.nPages = 2;
  header.ppsp = pages;
  DialogSession session(kCaption, [&] { return static_cast<BOOL>(PropertySheetW(&header)); });
  HWND sheet = session.Dialog();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(CurrentPageIndex(sheet), 0);
  // A page sets its buttons with a posted message: wait for them.
  EXPECT_TRUE(WaitFor([&] {
    return SheetButtonEnabled(sheet, SheetButton::Next) && !SheetButtonEnabled(sheet, SheetButton::Back);
  }));
  EXPECT_EQ(PressSheetButton(session, sheet, SheetButton::Next),
            (Messages{{L"チェックしてください", Icon::Exclamation}}));
  EXPECT_EQ(CurrentPageIndex(sheet), 0);
  SendMessageW(PageItem(sheet, kTick), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(PressSheetButton(session, sheet, SheetButton::Next), Messages{});
  EXPECT_EQ(CurrentPageIndex(sheet), 1);
  EXPECT_TRUE(WaitFor([&] { return SheetButtonEnabled(sheet, SheetButton::Back); }));
  EXPECT_EQ(PressSheetButton(session, sheet, SheetButton::Finish), Messages{});
  const CallEnd end = session.Finish();
  EXPECT_TRUE(end.finished);
}

}  // namespace
}  // namespace testkit
