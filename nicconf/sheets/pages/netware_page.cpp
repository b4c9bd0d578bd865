// "NetWare": a category box switching three panels below the page's line.
// A panel is made the first time its category is chosen; before another is
// shown every panel made so far must take its fields, and leaving the page
// checks them all in order.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "nicconf/folder/folder_messages.h"
#include "nicconf/folder/module.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"
#include "nicproto/mac_text.h"
#include "nicproto/password.h"

namespace nic::sheets {
namespace {

using F = SettingField;

constexpr char kServerEmpty[] = "ファイルサーバ名が正しくありません。\n適切なファイルサーバ名を入力してください。";
constexpr char kWrongPassword[] = "パスワードが違います。";
constexpr int kModeUnused = 0;
constexpr int kModeDirectory = 1;
constexpr int kModeBindery = 2;

// --- 一般設定 ---------------------------------------------------------------

const FieldBinding kGeneralFields[] = {
    {IDC_NWGEN_SERVER_NAME, F::PrintServerName, FieldKind::Text, TextClass::NicName, "プリントサーバ名", 0, 0,
     "プリントサーバ名が正しくありません。\n適切なプリントサーバ名を入力してください。"},
};

void GeneralOpened(HWND panel, SheetState& sheet) {
  SetDlgItemTextA(panel, IDC_NWGEN_NETWORK, sheet.printer.netnum);
  char mac[kMacTextSize] = {};
  GetMacText(sheet.image.attributes, mac, sizeof mac);
  SetDlgItemTextA(panel, IDC_NWGEN_MAC_ADDRESS, mac);
}

const PageDesign kGeneral{SettingPage::NetWare, kGeneralFields, GeneralOpened, nullptr, nullptr, nullptr};

// --- ファイルサーバ設定 -----------------------------------------------------

// The context travels in the extended record, not in a field of the image:
// the panel checks and stores it itself.
const FieldBinding kServerFields[] = {
    {IDC_NWSRV_FILE_SERVER, F::FileServerName, FieldKind::Text, TextClass::NicName, "ファイルサーバ名"},
    {IDC_NWSRV_LOGIN, F::LoginPeriod, FieldKind::Number, TextClass::NicName, "", 0, 255},
};
constexpr char kContextLabel[] = "NDSコンテキスト";

int ChosenMode(HWND panel) {
  if (IsDlgButtonChecked(panel, IDC_NWSRV_NDS) == BST_CHECKED) return kModeDirectory;
  if (IsDlgButtonChecked(panel, IDC_NWSRV_BINDERY) == BST_CHECKED) return kModeBindery;
  return kModeUnused;
}

void EnableServer(HWND panel) {
  const int mode = ChosenMode(panel);
  EnableControls(panel, {IDC_NWSRV_FILE_SERVER_LABEL, IDC_NWSRV_FILE_SERVER}, mode != kModeUnused);
  EnableControls(panel, {IDC_NWSRV_CONTEXT_LABEL, IDC_NWSRV_CONTEXT, IDC_NWSRV_BROWSE, IDC_NWSRV_LOGIN_LABEL,
                         IDC_NWSRV_LOGIN, IDC_NWSRV_LOGIN_SPIN, IDC_NWSRV_LOGIN_UNIT},
                 mode == kModeDirectory);
}

void ServerOpened(HWND panel, SheetState& sheet) {
  const int mode = SettingNumber(sheet.image, F::NetWareMode);
  CheckRadioButton(panel, IDC_NWSRV_UNUSED, IDC_NWSRV_BINDERY,
                   mode == kModeDirectory ? IDC_NWSRV_NDS
                   : mode == kModeBindery ? IDC_NWSRV_BINDERY
                                          : IDC_NWSRV_UNUSED);
  SendDlgItemMessageA(panel, IDC_NWSRV_CONTEXT, EM_LIMITTEXT, RuleOf(TextClass::NdsContext).limit, 0);
  SetDlgItemTextA(panel, IDC_NWSRV_CONTEXT, NdsContext(sheet.image).c_str());
  EnableServer(panel);
}

std::string ContextMessage(HWND panel) {
  return CheckTyped(TextClass::NdsContext, ControlText(panel, IDC_NWSRV_CONTEXT), kContextLabel);
}

// --- the context browser (dialog 129) ---

struct Browse {
  std::string context;
};

// A tree item's context: its name and those above it up to the root, the
// nearest first ("EAST.SALES.ACME").
std::string ContextOfTreeItem(HWND tree, HTREEITEM item) {
  std::string context;
  for (; item != nullptr; item = TreeView_GetParent(tree, item)) {
    if (TreeView_GetParent(tree, item) == nullptr) break;  // the root item names no context
    char text[256] = {};
    TVITEMA look{};
    look.mask = TVIF_TEXT;
    look.hItem = item;
    look.pszText = text;
    look.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&look));
    if (!context.empty()) context += '.';
    context += text;
  }
  return context;
}

INT_PTR CALLBACK BrowserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* browse = reinterpret_cast<Browse*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      browse = reinterpret_cast<Browse*>(lParam);
      SetDlgItemTextA(dialog, IDC_CONTEXT_TEXT, browse->context.c_str());
      ipx::FillContextTree(FolderInstance(), GetDlgItem(dialog, IDC_CONTEXT_TREE), nullptr, TVI_ROOT);
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMTREEVIEWA*>(lParam);
      if (header->hdr.idFrom == IDC_CONTEXT_TREE && header->hdr.code == TVN_SELCHANGEDA) {
        SetDlgItemTextA(dialog, IDC_CONTEXT_TEXT, ContextOfTreeItem(header->hdr.hwndFrom, header->itemNew.hItem).c_str());
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) browse->context = ControlText(dialog, IDC_CONTEXT_TEXT);
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

void BrowseContext(HWND panel) {
  Browse browse{ControlText(panel, IDC_NWSRV_CONTEXT)};
  if (DialogBoxParamA(FolderInstance(), MAKEINTRESOURCEA(IDD_CONTEXT_BROWSER), panel, BrowserProc,
                      reinterpret_cast<LPARAM>(&browse)) == IDOK) {
    SetDlgItemTextA(panel, IDC_NWSRV_CONTEXT, browse.context.c_str());
  }
}

void ServerCommand(HWND panel, SheetState&, int control, int code) {
  if (code == EN_CHANGE && control == IDC_NWSRV_CONTEXT) {
    const std::string message = ContextMessage(panel);
    if (!message.empty()) ShowFolderText(GetParent(panel), MessageLevel::Error, message);
  }
  if (code != BN_CLICKED) return;
  if (control >= IDC_NWSRV_UNUSED && control <= IDC_NWSRV_BINDERY) EnableServer(panel);
  if (control == IDC_NWSRV_BROWSE) BrowseContext(panel);
}

// The context travels in the extended record; the mode in attribute 5.
bool ServerLeaving(HWND panel, SheetState& sheet) {
  const int mode = ChosenMode(panel);
  const std::string server = ControlText(panel, IDC_NWSRV_FILE_SERVER);
  if (mode != kModeUnused && (server.empty() || server == kNoFileServer)) {
    ShowFolderText(GetParent(panel), MessageLevel::Error, kServerEmpty);
    SetFocus(GetDlgItem(panel, IDC_NWSRV_FILE_SERVER));
    return false;
  }
  const std::string refused = mode == kModeDirectory ? ContextMessage(panel) : "";
  if (!refused.empty()) {
    ShowFolderText(GetParent(panel), MessageLevel::Error, refused);
    SetFocus(GetDlgItem(panel, IDC_NWSRV_CONTEXT));
    return false;
  }
  PutSetting(sheet, F::NetWareMode, std::to_string(mode));
  const std::string context = ControlText(panel, IDC_NWSRV_CONTEXT);
  if (context != NdsContext(sheet.image)) SetNdsContext(sheet.image, context);
  return true;
}

const PageDesign kServer{SettingPage::NetWare, kServerFields, ServerOpened, ServerLeaving, ServerCommand,
                         nullptr};

// --- 動作モード設定 ---------------------------------------------------------

const FieldBinding kModeFields[] = {
    {IDC_NWMODE_QUEUE, F::QueuePeriod, FieldKind::Number, TextClass::NicName, "", 1, 255},
    {IDC_NWMODE_NUMBER, F::PrinterNumber, FieldKind::Number, TextClass::NicName, "", 0, 255},
};

void EnableMode(HWND panel) {
  const bool server = IsDlgButtonChecked(panel, IDC_NWMODE_PRINT_SERVER) == BST_CHECKED;
  EnableControls(panel, {IDC_NWMODE_QUEUE_LABEL, IDC_NWMODE_QUEUE, IDC_NWMODE_QUEUE_SPIN, IDC_NWMODE_QUEUE_UNIT,
                         IDC_NWMODE_PASSWORD},
                 server);
  EnableControls(panel, {IDC_NWMODE_NUMBER_LABEL, IDC_NWMODE_NUMBER, IDC_NWMODE_NUMBER_SPIN}, !server);
}

void ModeOpened(HWND panel, SheetState& sheet) {
  CheckRadioButton(panel, IDC_NWMODE_PRINT_SERVER, IDC_NWMODE_REMOTE_PRINTER,
                   SettingNumber(sheet.image, F::NetWareRole) == 1 ? IDC_NWMODE_REMOTE_PRINTER
                                                                   : IDC_NWMODE_PRINT_SERVER);
  EnableMode(panel);
}

// --- the password dialog (130) ---

struct PasswordChange {
  SheetState* sheet;
};

std::string CurrentPassword(const NicSettings& image) {
  char text[kPasswordLength + 1] = {};
  GetPassword(image.attributes, text, sizeof text);
  return text;
}

bool Refuse(HWND dialog, int control) {
  ShowFolderText(dialog, MessageLevel::Error, kWrongPassword);
  SetFocus(GetDlgItem(dialog, control));
  return false;
}

bool TakePassword(HWND dialog, SheetState& sheet) {
  if (ControlText(dialog, IDC_PASSWORD_OLD) != CurrentPassword(sheet.image)) return Refuse(dialog, IDC_PASSWORD_OLD);
  const std::string fresh = ControlText(dialog, IDC_PASSWORD_NEW);
  if (fresh != ControlText(dialog, IDC_PASSWORD_CONFIRM)) return Refuse(dialog, IDC_PASSWORD_CONFIRM);
  SetPassword(sheet.image.attributes, fresh.c_str());
  return true;
}

INT_PTR CALLBACK PasswordProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* change = reinterpret_cast<PasswordChange*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      for (const int id : {IDC_PASSWORD_OLD, IDC_PASSWORD_NEW, IDC_PASSWORD_CONFIRM}) {
        SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kPasswordLength, 0);
      }
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && TakePassword(dialog, *change->sheet)) EndDialog(dialog, IDOK);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

void ModeCommand(HWND panel, SheetState& sheet, int control, int code) {
  if (code != BN_CLICKED) return;
  if (control == IDC_NWMODE_PRINT_SERVER || control == IDC_NWMODE_REMOTE_PRINTER) EnableMode(panel);
  if (control == IDC_NWMODE_PASSWORD) {
    PasswordChange change{&sheet};
    DialogBoxParamA(FolderInstance(), MAKEINTRESOURCEA(IDD_PASSWORD), panel, PasswordProc,
                    reinterpret_cast<LPARAM>(&change));
  }
}

bool ModeLeaving(HWND panel, SheetState& sheet) {
  PutSetting(sheet, F::NetWareRole,
             IsDlgButtonChecked(panel, IDC_NWMODE_REMOTE_PRINTER) == BST_CHECKED ? "1" : "0");
  return true;
}

const PageDesign kMode{SettingPage::NetWare, kModeFields, ModeOpened, ModeLeaving, ModeCommand, nullptr};

// --- the page ---------------------------------------------------------------

struct Category {
  const char* name;
  int dialog;
  const PageDesign* design;
};
const Category kCategories[] = {
    {"一般設定", IDD_NETWARE_GENERAL, &kGeneral},
    {"ファイルサーバ設定", IDD_NETWARE_SERVER, &kServer},
    {"動作モード設定", IDD_NETWARE_MODE, &kMode},
};
constexpr std::size_t kCategoryCount = std::size(kCategories);

// The panels made so far, kept with the page's window.
constexpr char kPanelsProperty[] = "NetWare panels";
using Panels = std::array<HWND, kCategoryCount>;

Panels& PanelsOf(HWND page) { return *static_cast<Panels*>(GetPropA(page, kPanelsProperty)); }

void Place(HWND page, HWND panel) {
  RECT line{};
  GetWindowRect(GetDlgItem(page, IDC_NETWARE_SEPARATOR), &line);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&line), 2);
  SetWindowPos(panel, nullptr, 0, line.bottom + 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

// A panel takes the page's own background, not the dialog grey, where a
// theme draws pages. The theme library is asked only then: loading it with
// the module would load it into every process that loads the folder.
void TakePageBackground(HWND panel) {
  HMODULE theme = GetModuleHandleA("uxtheme.dll");
  if (theme == nullptr) return;
  using Enable = HRESULT(WINAPI*)(HWND, DWORD);
  constexpr DWORD kEnableTab = 0x00000006;  // ETDT_ENABLETAB
  if (auto enable = reinterpret_cast<Enable>(reinterpret_cast<void*>(GetProcAddress(theme, "EnableThemeDialogTexture")))) {
    enable(panel, kEnableTab);
  }
}

void Show(HWND page, SheetState& sheet, std::size_t chosen) {
  Panels& panels = PanelsOf(page);
  if (panels[chosen] == nullptr) {
    panels[chosen] = CreatePanel(page, kCategories[chosen].dialog, *kCategories[chosen].design, sheet);
    if (panels[chosen] != nullptr) {
      Place(page, panels[chosen]);
      TakePageBackground(panels[chosen]);
    }
  }
  for (std::size_t i = 0; i < kCategoryCount; ++i) {
    if (panels[i] != nullptr) ShowWindow(panels[i], i == chosen ? SW_SHOW : SW_HIDE);
  }
  SendDlgItemMessageA(page, IDC_NETWARE_CATEGORY, CB_SETCURSEL, chosen, 0);
}

// The first panel made that does not take its fields, shown; kCategoryCount
// when all do.
std::size_t FirstRefusing(HWND page, SheetState& sheet, std::size_t skip) {
  Panels& panels = PanelsOf(page);
  for (std::size_t i = 0; i < kCategoryCount; ++i) {
    if (i == skip || panels[i] == nullptr) continue;
    if (!LeavePage(panels[i], sheet, *kCategories[i].design)) {
      Show(page, sheet, i);
      return i;
    }
  }
  return kCategoryCount;
}

void Opened(HWND page, SheetState& sheet) {
  SetPropA(page, kPanelsProperty, new Panels{});
  HWND combo = GetDlgItem(page, IDC_NETWARE_CATEGORY);
  for (const Category& c : kCategories) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.name));
  Show(page, sheet, 0);
}

void Command(HWND page, SheetState& sheet, int control, int code) {
  if (control != IDC_NETWARE_CATEGORY || code != CBN_SELCHANGE) return;
  const auto chosen = static_cast<std::size_t>(SendDlgItemMessageA(page, IDC_NETWARE_CATEGORY, CB_GETCURSEL, 0, 0));
  if (chosen >= kCategoryCount) return;
  if (FirstRefusing(page, sheet, chosen) == kCategoryCount) Show(page, sheet, chosen);
}

bool Leaving(HWND page, SheetState& sheet) { return FirstRefusing(page, sheet, kCategoryCount) == kCategoryCount; }

void Closed(HWND page) { delete static_cast<Panels*>(RemovePropA(page, kPanelsProperty)); }

const PageDesign kDesign{SettingPage::NetWare, {}, Opened, Leaving, Command, nullptr, Closed};

}  // namespace

const PageDesign& NetWarePage() { return kDesign; }

}  // namespace nic::sheets
