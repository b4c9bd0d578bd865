// The folder's menus and the commands they give: the popups merged into the
// browser's menu, the selection's entries put in as its first popup opens,
// the item menu the folder hands out, and deleting a printer.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/win/text_conversion.h"
#include "nicconf/view/tests/view_test_support.h"

namespace {

using namespace viewtest;

constexpr UINT kSelection = 0x1000;  // the selection's entries start here

// One entry of a menu as a user sees it.
struct Entry {
  UINT id;
  std::wstring text;  // "-" for a separator
  std::vector<Entry> popup;
  bool bold = false;
  bool checked = false;
  bool operator==(const Entry&) const = default;
};

std::vector<Entry> Entries(HMENU menu) {
  std::vector<Entry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = 127;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item);
    Entry e{item.wID, (item.fType & MFT_SEPARATOR) != 0 ? L"-" : text, {}};
    if (item.hSubMenu != nullptr) e.popup = Entries(item.hSubMenu);
    e.bold = (item.fState & MFS_DEFAULT) != 0;
    e.checked = (item.fState & MFS_CHECKED) != 0;
    entries.push_back(e);
  }
  return entries;
}

std::vector<std::wstring> Texts(const std::vector<Entry>& entries) {
  std::vector<std::wstring> texts;
  for (const Entry& e : entries) texts.push_back(e.text);
  return texts;
}

HMENU PopupWithMarker(HMENU bar, UINT marker) {
  for (int i = 0; i < GetMenuItemCount(bar); ++i)
    if (GetMenuItemID(bar, i) == UINT(-1)) {
      MENUITEMINFOW item{};
      item.cbSize = sizeof item;
      item.fMask = MIIM_ID | MIIM_SUBMENU;
      GetMenuItemInfoW(bar, static_cast<UINT>(i), TRUE, &item);
      if (item.wID == marker) return item.hSubMenu;
    }
  return nullptr;
}

const std::vector<Entry> kPowerPopup{{293, L"オン(&N)...", {}}, {294, L"オフ(&F)...", {}}};

TEST_F(FolderView, TheBrowserMenuHoldsThePrinterAndViewPopupsAndTheSelectionsEntries) {
  OpenView view;
  ASSERT_NE(view.List(), nullptr);
  HMENU bar = view.browser().SharedMenu();
  ASSERT_NE(bar, nullptr);
  HMENU file = PopupWithMarker(bar, FCIDM_MENU_FILE);
  HMENU shown = PopupWithMarker(bar, FCIDM_MENU_VIEW);
  const std::vector<Entry> printerEntries{
      {106, L"プリンタの登録(&A)...", {}}, {0, L"-", {}}, {UINT(-1), L"電源制御(&P)", kPowerPopup}, {0, L"-", {}}};
  std::vector<Entry> fileEntries = Entries(file);
  for (Entry& e : fileEntries)
    if (!e.popup.empty()) e.id = UINT(-1);  // a popup's id is none of ours
  EXPECT_EQ(fileEntries, printerEntries);
  EXPECT_EQ(Texts(Entries(shown)), (std::vector<std::wstring>{L"アイコン(&I)", L"詳細(&D)", L"-",
                                                              L"フォルダオプション(&O)...", L"-"}));
  EXPECT_EQ(Entries(shown).back().id, UINT(FCIDM_MENU_VIEW_SEP_OPTIONS));

  // The view popup's radio follows the list's style.
  SendWithin(view.ParentView(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(shown), 2);
  EXPECT_TRUE(Entries(shown)[1].checked);
  EXPECT_FALSE(Entries(shown)[0].checked);

  // With a printer chosen the first popup opens with its entries on top, and
  // once only however often it opens.
  SelectListItem(view.List(), 0);
  for (int opened = 0; opened < 2; ++opened)
    SendWithin(view.ParentView(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  const std::vector<Entry> entries = Entries(file);
  ASSERT_EQ(entries.size(), 6 + printerEntries.size() + 1);
  EXPECT_EQ(Texts({entries.begin(), entries.begin() + 6}),
            (std::vector<std::wstring>{L"ステータス(&S)...", L"-", L"削除(&D)", L"名前の変更(&M)", L"-",
                                       L"プロパティ(&R)..."}));
  EXPECT_EQ(entries[0].id, kSelection + 100);
  EXPECT_TRUE(entries[0].bold);
  EXPECT_EQ(entries[5].id, kSelection + 103);

  // Highlighting an entry puts its help in the status bar.
  SendWithin(view.ParentView(), WM_MENUSELECT, MAKEWPARAM(kSelection + 199, MF_STRING),
             reinterpret_cast<LPARAM>(file));
  EXPECT_EQ(view.browser().StatusText(), L"選択されたプリンタを削除します。");
  SendWithin(view.ParentView(), WM_MENUSELECT, MAKEWPARAM(291, MF_STRING), reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(view.browser().StatusText(), L"表示オプションを変更します。");
  view.Close();
}

// The item menu as the folder hands it to a host.
TEST_F(FolderView, TheItemMenuHasItsEntriesHelpTextsAndNeedsAnOwner) {
  CoInitialize(nullptr);
  IShellFolder* folder = nullptr;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(kClsidNicFolder, nullptr, CLSCTX_INPROC_SERVER, IID_IShellFolder,
                                            reinterpret_cast<void**>(&folder)));
  IEnumIDList* items = nullptr;
  ASSERT_HRESULT_SUCCEEDED(folder->EnumObjects(nullptr, SHCONTF_NONFOLDERS, &items));
  LPITEMIDLIST item = nullptr;
  ASSERT_EQ(items->Next(1, &item, nullptr), S_OK);
  LPCITEMIDLIST held[] = {item};
  IContextMenu* menu = nullptr;
  EXPECT_EQ(folder->GetUIObjectOf(nullptr, 0, held, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu)),
            E_INVALIDARG);
  ASSERT_HRESULT_SUCCEEDED(
      folder->GetUIObjectOf(nullptr, 1, held, IID_IContextMenu, nullptr, reinterpret_cast<void**>(&menu)));

  HMENU popup = CreatePopupMenu();
  const HRESULT used = menu->QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_NORMAL);
  EXPECT_EQ(HRESULT_CODE(used), 200);  // 199 + 1 is the highest id given
  EXPECT_EQ(Texts(Entries(popup)), (std::vector<std::wstring>{L"ステータス(&S)...", L"-", L"削除(&D)",
                                                              L"名前の変更(&M)", L"-", L"プロパティ(&R)..."}));
  EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), 101u);
  DestroyMenu(popup);

  const std::pair<UINT, const char*> helps[] = {
      {100, "選択されたプリンタのステータスを表示します。"}, {102, "選択されたプリンタの名前を変更します。"},
      {103, "選択されたプリンタのプロパティを表示します。"}, {199, "選択されたプリンタを削除します。"},
      {293, "プリンタの電源をリモートでオンします。"}, {294, "プリンタの電源をリモートでオフします。"}};
  for (const auto& [id, expected] : helps) {
    char text[128] = {};
    EXPECT_EQ(menu->GetCommandString(id, GCS_HELPTEXTA, nullptr, text, sizeof text), S_OK) << id;
    EXPECT_EQ(WideFromAnsi(text), WideFromAnsi(expected)) << id;
  }
  char text[128] = {};
  EXPECT_EQ(menu->GetCommandString(106, GCS_HELPTEXTA, nullptr, text, sizeof text), S_FALSE);

  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.lpVerb = MAKEINTRESOURCEA(100);
  EXPECT_EQ(menu->InvokeCommand(&info), E_INVALIDARG);
  EXPECT_EQ(menu->InvokeCommand(nullptr), E_POINTER);
  menu->Release();
  CoTaskMemFree(item);
  items->Release();
  folder->Release();
  CoUninitialize();
}

// The entries of the popup menu that opens, which Escape then closes.
std::vector<Entry> OpenedPopupMenu() {
  HWND popup = nullptr;
  if (!WaitFor([&] { return (popup = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(popup); }))
    return {};
  const auto menu = reinterpret_cast<HMENU>(SendWithin(popup, MN_GETHMENU));
  std::vector<Entry> entries = Entries(menu);
  PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
  WaitFor([&] { return !IsWindowVisible(popup); });
  return entries;
}

// The context key over the list: the background menu without a selection,
// the item menu with Status in bold with one.
TEST_F(FolderView, TheContextMenuIsTheBackgroundMenuOrTheItemMenu) {
  OpenView view;
  ASSERT_NE(view.List(), nullptr);
  PostMessageW(view.ParentView(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view.List()), -1);
  const std::vector<Entry> background = OpenedPopupMenu();
  EXPECT_EQ(Texts(background), (std::vector<std::wstring>{L"表示(&V)", L"-", L"最新の情報に更新(&R)", L"-",
                                                          L"プリンタの登録(&A)...", L"-", L"電源制御(&P)"}));
  ASSERT_FALSE(background.empty());
  EXPECT_EQ(background[0].id, 0x8080u);  // the view popup's marker: its help text
  SelectListItem(view.List(), 2);
  PostMessageW(view.ParentView(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view.List()), -1);
  const std::vector<Entry> item = OpenedPopupMenu();
  EXPECT_EQ(Texts(item), (std::vector<std::wstring>{L"ステータス(&S)...", L"-", L"削除(&D)", L"名前の変更(&M)", L"-",
                                                    L"プロパティ(&R)..."}));
  ASSERT_FALSE(item.empty());
  EXPECT_TRUE(item[0].bold);
  view.Close();
}

TEST_F(FolderView, DeleteAsksWithTheNameAndYesRemovesThePrinterFromTheList) {
  OpenView view;
  ASSERT_EQ(ListCount(view.List()), 6);
  SelectListItem(view.List(), 1);
  PostMessageW(view.ParentView(), WM_COMMAND, 199, 0);
  EXPECT_EQ(view.session().MessagesComingOver(view.Frame(), {IDNO}),
            (Messages{{L"プリンタ 'OFURAIN'を削除してもよろしいですか?", Icon::Question}}));
  EXPECT_EQ(ListCount(view.List()), 6);
  PostMessageW(view.ParentView(), WM_COMMAND, 5, 0);  // the toolbar's button
  EXPECT_EQ(view.session().MessagesComingOver(view.Frame(), {IDYES}),
            (Messages{{L"プリンタ 'OFURAIN'を削除してもよろしいですか?", Icon::Question}}));
  EXPECT_TRUE(WaitFor([&] { return ListCount(view.List()) == 5; }));
  view.Close();
  const std::string file = ReadListFile();
  EXPECT_EQ(file.find("OFURAIN"), std::string::npos);
  EXPECT_NE(file.find("INSATSU"), std::string::npos);
}

// During a rename Delete works in the edit box.
TEST_F(FolderView, DeleteWhileRenamingRemovesOneCharacterAndNotThePrinter) {
  OpenView view;
  SelectListItem(view.List(), 0);
  PostMessageW(view.ParentView(), WM_COMMAND, 102, 0);
  HWND edit = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (edit = reinterpret_cast<HWND>(SendWithin(view.List(), LVM_GETEDITCONTROL, 0, 0))) != nullptr; }));
  SendWithin(edit, EM_SETSEL, 1, 1);
  PostMessageW(view.ParentView(), WM_COMMAND, 199, 0);
  EXPECT_TRUE(WaitFor([&] { return WindowText(edit) == L"RDI"; }));
  EXPECT_EQ(ListCount(view.List()), 6);
  PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return SendWithin(view.List(), LVM_GETEDITCONTROL, 0, 0) == 0; }));
  EXPECT_EQ(ListText(view.List(), 0), L"REDI");
  view.Close();
}

}  // namespace
