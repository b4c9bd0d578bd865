// "情報": what the printer told about itself in its status text: the model,
// its picture as the folder draws it, its options and its languages.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "common/win/list_view.h"
#include "nicconf/folder/module.h"
#include "nicconf/sheets/core/printer_options.h"
#include "nicconf/picture/shell/printer_picture.h"
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

void ShowLanguages(HWND page, const StatusRecord& status) {
  HWND list = GetDlgItem(page, IDC_INFO_LANGUAGES);
  const std::string languages = status.cmd;
  std::size_t start = 0;
  while (start < languages.size()) {
    std::size_t end = languages.find(',', start);
    if (end == std::string::npos) end = languages.size();
    const std::string one = languages.substr(start, end - start);
    if (!one.empty()) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(one.c_str()));
    start = end + 1;
  }
}

// Three columns, option, fitted and size, in the page's colour, each as
// wide as its longest text.
void ShowOptions(HWND page, const StatusRecord& status) {
  HWND list = GetDlgItem(page, IDC_INFO_OPTIONS);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ListView_SetBkColor(list, face);
  ListView_SetTextBkColor(list, face);
  for (int i = 0; i < 3; ++i) AddListColumn(list, i, nullptr, 0);
  for (const OptionRow& option : PrinterOptions(status))
    AddListRow(list, {option.name.c_str(), option.state.c_str(), option.size.c_str()});
  for (int i = 0; i < 3; ++i) ListView_SetColumnWidth(list, i, LVSCW_AUTOSIZE);
}

void ShowPicture(HWND page, const SheetState& sheet) {
  if (HBITMAP picture = CreatePrinterPicture(FolderInstance(), sheet.summary, 0)) {
    SendDlgItemMessageA(page, IDC_INFO_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  }
}

void Opened(HWND page, SheetState& sheet) {
  SetDlgItemTextA(page, IDC_INFO_MODEL, sheet.status.mdl);
  ShowPicture(page, sheet);
  ShowOptions(page, sheet.status);
  ShowLanguages(page, sheet.status);
}

void Closed(HWND page) {
  const auto picture = reinterpret_cast<HBITMAP>(
      SendDlgItemMessageA(page, IDC_INFO_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0));
  if (picture != nullptr) DeleteObject(picture);
}

const PageDesign kDesign{SettingPage::Information, {}, Opened, nullptr, nullptr, nullptr, Closed};

}  // namespace

const PageDesign& InformationPage() { return kDesign; }

}  // namespace nic::sheets
