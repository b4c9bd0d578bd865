// "リモート電源制御": whether the NIC takes power-off requests and after how
// long, and whether it switches the printer off by itself after a power-on.
// Items 37 and 38 say "refused" and "not while in alarm" with 1 and 0, the
// boxes ask the other way round.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

using F = SettingField;

constexpr int kMaxWaitSeconds = 600;
constexpr int kAutoStepMinutes = 5;
constexpr int kAutoSteps = 12;

bool Ticked(HWND page, int box) { return IsDlgButtonChecked(page, box) == BST_CHECKED; }
void Tick(HWND page, int box, bool ticked) { CheckDlgButton(page, box, ticked ? BST_CHECKED : BST_UNCHECKED); }

void ShowLabels(HWND page) {
  char text[32];
  std::snprintf(text, sizeof text, "%d秒", SliderPosition(page, IDC_POWER_OFF_DELAY));
  SetDlgItemTextA(page, IDC_POWER_OFF_DELAY_TEXT, text);
  std::snprintf(text, sizeof text, "%d分", SliderPosition(page, IDC_POWER_AUTO_DELAY) * kAutoStepMinutes);
  SetDlgItemTextA(page, IDC_POWER_AUTO_DELAY_TEXT, text);
}

void EnableDependents(HWND page) {
  EnableControls(page, {IDC_POWER_OFF_DELAY_LABEL, IDC_POWER_OFF_DELAY, IDC_POWER_OFF_DELAY_TEXT,
                        IDC_POWER_OFF_NOT_ON_ERROR},
                 Ticked(page, IDC_POWER_OFF_ENABLE));
  EnableControls(page, {IDC_POWER_AUTO_DELAY_LABEL, IDC_POWER_AUTO_DELAY, IDC_POWER_AUTO_DELAY_TEXT},
                 Ticked(page, IDC_POWER_AUTO_OFF));
}

int AutoStep(const NicSettings& image) {
  const int step = SettingNumber(image, F::AutoPowerOff) / kAutoStepMinutes;
  return step < 1 ? 1 : step > kAutoSteps ? kAutoSteps : step;
}

void Opened(HWND page, SheetState& sheet) {
  const NicSettings& image = sheet.image;
  Tick(page, IDC_POWER_OFF_ENABLE, SettingNumber(image, F::PowerOffEnabled) == 0);
  Tick(page, IDC_POWER_OFF_NOT_ON_ERROR, SettingNumber(image, F::PowerOffInAlarm, 1) == 0);
  Tick(page, IDC_POWER_AUTO_OFF, SettingNumber(image, F::AutoPowerOff) != 0);
  SetSlider(page, IDC_POWER_OFF_DELAY, 0, kMaxWaitSeconds, SettingNumber(image, F::PowerOffWait), 30);
  SendDlgItemMessageA(page, IDC_POWER_OFF_DELAY, TBM_SETPAGESIZE, 0, 30);
  SetSlider(page, IDC_POWER_AUTO_DELAY, 1, kAutoSteps, AutoStep(image), 1);
  ShowLabels(page);
  EnableDependents(page);
}

bool Leaving(HWND page, SheetState& sheet) {
  PutSetting(sheet, F::PowerOffEnabled, Ticked(page, IDC_POWER_OFF_ENABLE) ? "0" : "1");
  PutSetting(sheet, F::PowerOffInAlarm, Ticked(page, IDC_POWER_OFF_NOT_ON_ERROR) ? "0" : "1");
  PutSetting(sheet, F::PowerOffWait, std::to_string(SliderPosition(page, IDC_POWER_OFF_DELAY)));
  const bool automatic = Ticked(page, IDC_POWER_AUTO_OFF);
  const int minutes = SliderPosition(page, IDC_POWER_AUTO_DELAY) * kAutoStepMinutes;
  // An untouched slider keeps what the NIC holds, even a 0 shown as "5分".
  const bool moved = SliderPosition(page, IDC_POWER_AUTO_DELAY) != AutoStep(sheet.baseline);
  const int stored = SettingNumber(sheet.image, F::AutoPowerOff);
  if (!automatic) {
    PutSetting(sheet, F::AutoPowerOff, "0");
  } else if (moved || stored == 0) {
    PutSetting(sheet, F::AutoPowerOff, std::to_string(minutes));
  }
  return true;
}

void Command(HWND page, SheetState&, int control, int code) {
  if (code == BN_CLICKED && (control == IDC_POWER_OFF_ENABLE || control == IDC_POWER_AUTO_OFF)) {
    EnableDependents(page);
  }
}

void Scrolled(HWND page, SheetState&, HWND) { ShowLabels(page); }

const PageDesign kDesign{SettingPage::RemotePower, {}, Opened, Leaving, Command, Scrolled};

}  // namespace

const PageDesign& RemotePowerPage() { return kDesign; }

}  // namespace nic::sheets
