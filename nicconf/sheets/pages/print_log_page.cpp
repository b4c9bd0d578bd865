// "印刷履歴": item 32 holds 0 (no history), 1 (kept and printed) or any
// other value (kept only; written as 2).
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

bool Ticked(HWND page, int box) { return IsDlgButtonChecked(page, box) == BST_CHECKED; }

void EnablePrint(HWND page) { EnableControls(page, {IDC_LOG_PRINT}, Ticked(page, IDC_LOG_CREATE)); }

void Opened(HWND page, SheetState& sheet) {
  const int log = SettingNumber(sheet.image, SettingField::PrintLog);
  CheckDlgButton(page, IDC_LOG_CREATE, log != 0 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(page, IDC_LOG_PRINT, log == 1 ? BST_CHECKED : BST_UNCHECKED);
  EnablePrint(page);
}

int Chosen(HWND page) {
  if (!Ticked(page, IDC_LOG_CREATE)) return 0;
  return Ticked(page, IDC_LOG_PRINT) ? 1 : 2;
}

// A kept-only value other than 2 stays as the NIC wrote it.
bool Leaving(HWND page, SheetState& sheet) {
  const int now = SettingNumber(sheet.image, SettingField::PrintLog);
  const int chosen = Chosen(page);
  const bool same = chosen == now || (chosen == 2 && now != 0 && now != 1);
  if (!same) PutSetting(sheet, SettingField::PrintLog, std::to_string(chosen));
  return true;
}

void Command(HWND page, SheetState&, int control, int code) {
  if (code == BN_CLICKED && control == IDC_LOG_CREATE) EnablePrint(page);
}

const PageDesign kDesign{SettingPage::PrintLog, {}, Opened, Leaving, Command, nullptr};

}  // namespace

const PageDesign& PrintLogPage() { return kDesign; }

}  // namespace nic::sheets
