// "通信設定": the link negotiated, or speed (item 6) and duplex (item 7)
// set by hand. Item 6 is 0 for negotiation, 1 for 100Base-TX, 2 for
// 10Base-T; item 7 is 1 for full duplex, 2 for half.
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

constexpr int kAuto = 0;
constexpr int kFast = 1;
constexpr int kSlow = 2;
constexpr int kFull = 1;
constexpr int kHalf = 2;

bool Ticked(HWND page, int box) { return IsDlgButtonChecked(page, box) == BST_CHECKED; }

void EnableManual(HWND page) {
  EnableControls(page, {IDC_LINK_SPEED_GROUP, IDC_LINK_100, IDC_LINK_10, IDC_LINK_DUPLEX_GROUP,
                        IDC_LINK_FULL, IDC_LINK_HALF},
                 Ticked(page, IDC_LINK_MANUAL));
}

void Opened(HWND page, SheetState& sheet) {
  const int speed = SettingNumber(sheet.image, SettingField::LinkSpeed);
  const int duplex = SettingNumber(sheet.image, SettingField::Duplex, kFull);
  CheckRadioButton(page, IDC_LINK_AUTO, IDC_LINK_MANUAL, speed == kAuto ? IDC_LINK_AUTO : IDC_LINK_MANUAL);
  CheckRadioButton(page, IDC_LINK_100, IDC_LINK_10, speed == kSlow ? IDC_LINK_10 : IDC_LINK_100);
  CheckRadioButton(page, IDC_LINK_FULL, IDC_LINK_HALF, duplex == kHalf ? IDC_LINK_HALF : IDC_LINK_FULL);
  EnableManual(page);
}

bool Leaving(HWND page, SheetState& sheet) {
  const bool manual = Ticked(page, IDC_LINK_MANUAL);
  const int speed = !manual ? kAuto : Ticked(page, IDC_LINK_10) ? kSlow : kFast;
  PutSetting(sheet, SettingField::LinkSpeed, std::to_string(speed));
  if (manual) PutSetting(sheet, SettingField::Duplex, std::to_string(Ticked(page, IDC_LINK_HALF) ? kHalf : kFull));
  return true;
}

void Command(HWND page, SheetState&, int control, int code) {
  if (code == BN_CLICKED && (control == IDC_LINK_AUTO || control == IDC_LINK_MANUAL)) EnableManual(page);
}

const PageDesign kDesign{SettingPage::Link, {}, Opened, Leaving, Command, nullptr};

}  // namespace

const PageDesign& LinkPage() { return kDesign; }

}  // namespace nic::sheets
