// "LANボード": what the board is, the printer name, the access period.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"
#include "nicproto/mac_text.h"

namespace nic::sheets {
namespace {

constexpr int kAccessSteps = 5;     // 0 .. 25 seconds in steps of 5
constexpr int kTenthsPerStep = 50;  // the NIC counts tenths of a second

const FieldBinding kFields[] = {
    {IDC_LAN_PRINTER_NAME, SettingField::PrinterName, FieldKind::Text, TextClass::NicName,
     "プリンタ名", 0, 0, "プリンタ名が正しくありません。\n適切なプリンタ名を入力してください。"},
};

int ReadStep(const SheetState& sheet) {
  return RoundAccessPeriod(SettingNumber(sheet.image, SettingField::AccessPeriod)) / kTenthsPerStep;
}

void ShowStep(HWND page) {
  char label[32];
  std::snprintf(label, sizeof label, "%d秒", SliderPosition(page, IDC_LAN_ACCESS_SLIDER) * 5);
  SetDlgItemTextA(page, IDC_LAN_ACCESS_LABEL, label);
}

void ShowBoard(HWND page, const SheetState& sheet) {
  char mac[kMacTextSize] = {};
  GetMacText(sheet.image.attributes, mac, sizeof mac);
  SetDlgItemTextA(page, IDC_LAN_MAC_ADDRESS, mac);
  char text[kAttributeValueSize + 1] = {};
  GetTextAttribute(sheet.image.attributes, tag::kDescription, text, sizeof text);
  SetDlgItemTextA(page, IDC_LAN_HARDWARE_TYPE, text);
  char version[kAttributeValueSize + 1] = {};
  GetTextAttribute(sheet.image.attributes, tag::kFirmwareVersion, version, sizeof version);
  SetDlgItemTextA(page, IDC_LAN_FIRMWARE, version);
}

void Opened(HWND page, SheetState& sheet) {
  ShowBoard(page, sheet);
  SetSlider(page, IDC_LAN_ACCESS_SLIDER, 0, kAccessSteps, ReadStep(sheet), 1);
  ShowStep(page);
}

// An untouched slider leaves the NIC's own value, rounded or not.
bool Leaving(HWND page, SheetState& sheet) {
  const int step = SliderPosition(page, IDC_LAN_ACCESS_SLIDER);
  if (step != ReadStep(sheet)) PutSetting(sheet, SettingField::AccessPeriod, std::to_string(step * kTenthsPerStep));
  return true;
}

void Scrolled(HWND page, SheetState&, HWND control) {
  if (control == GetDlgItem(page, IDC_LAN_ACCESS_SLIDER)) ShowStep(page);
}

const PageDesign kDesign{SettingPage::LanBoard, kFields, Opened, Leaving, nullptr, Scrolled};

}  // namespace

const PageDesign& LanBoardPage() { return kDesign; }

}  // namespace nic::sheets
