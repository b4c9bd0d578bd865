// "情報": what the printer told about itself in its status text: the model,
// its picture as the folder draws it, its options and its languages.
#include <windows.h>
#include <commctrl.h>

#include <string>

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
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  for (int i = 0; i < 3; ++i) SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  int row = 0;
  for (const OptionRow& option : PrinterOptions(status)) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(option.name.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    const std::string* cells[] = {&option.state, &option.size};
    for (int sub = 1; sub <= 2; ++sub) {
      item.iSubItem = sub;
      item.pszText = const_cast<char*>(cells[sub - 1]->c_str());
      SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
    ++row;
  }
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
