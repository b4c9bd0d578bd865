// The port's settings for remote power control: whether the monitor may
// switch the printer on, and the MAC address of its NIC to wake.
#include "portmon/core/mac_text.h"
#include "portmon/shell/dialog_resources.h"
#include "portmon/shell/dialog_support.h"
#include "portmon/shell/monitor.h"
#include "portmon/shell/nic_search.h"
#include "portmon/shell/port_dialogs.h"
#include "portmon/shell/port_registry.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

constexpr int kMacLimit = 17;
constexpr int kMacRead = 19;
constexpr wchar_t kNoMac[] = L"00:00:00:00:00:00";

bool IsOn(const std::string& value) {
  return value.size() == 2 && (value[0] == 'O' || value[0] == 'o') &&
         (value[1] == 'N' || value[1] == 'n');
}

bool PowerControlTicked(HWND dialog) {
  return IsDlgButtonChecked(dialog, IDC_POWER_CONTROL) == BST_CHECKED;
}

void EnableMacControls(HWND dialog, bool enable) {
  EnableWindow(GetDlgItem(dialog, IDC_MAC_ADDRESS), enable);
  EnableWindow(GetDlgItem(dialog, IDC_SEARCH), enable);
}

void ShowSettings(HWND dialog, const std::wstring& port) {
  LimitItemText(dialog, IDC_MAC_ADDRESS, kMacLimit);
  const PortSettings settings = ReadPortSettings(port);
  SetDlgItemTextW(dialog, IDC_MAC_ADDRESS, settings.mac ? FromAnsi(*settings.mac).c_str() : kNoMac);
  // Set after the text, whose change notice would apply the unticked box.
  const bool ticked = settings.powerControl && IsOn(*settings.powerControl);
  CheckDlgButton(dialog, IDC_POWER_CONTROL, ticked ? BST_CHECKED : BST_UNCHECKED);
  // A port never configured keeps the field open so its address can be
  // searched for before deciding.
  EnableMacControls(dialog, ticked || !settings.powerControl);
}

void Search(HWND dialog, const std::wstring& port) {
  std::string mac;
  switch (SearchPortNic(port, mac)) {
    case NicSearch::Found:
      SetDlgItemTextW(dialog, IDC_MAC_ADDRESS, FromAnsi(mac).c_str());
      break;
    case NicSearch::NoPowerControl:
      ShowMonitorMessage(dialog, IDS_NO_POWER_CONTROL, MB_OK | MB_ICONSTOP);
      break;
    case NicSearch::NoAnswer:
      ShowMonitorMessage(dialog, IDS_NIC_SILENT, MB_OK | MB_ICONSTOP);
      break;
  }
}

// The switch is stored at once; a refused address then leaves it on while
// the user corrects the field.
void Store(HWND dialog, const std::wstring& port) {
  if (!PowerControlTicked(dialog)) {
    WritePowerControl(port, false);
    EndDialog(dialog, 1);
    return;
  }
  WritePowerControl(port, true);
  const std::string mac = ToAnsi(ItemText(dialog, IDC_MAC_ADDRESS, kMacRead));
  if (!IsAcceptableMacText(mac)) {
    ShowMonitorMessage(dialog, IDS_INVALID_MAC, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  WriteMacAddress(port, mac);
  EndDialog(dialog, 1);
}

INT_PTR CALLBACK ConfigurePortProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    KeepDialogState(dialog, lParam);
    PresentDialog(dialog);
    ShowSettings(dialog, DialogState<const std::wstring>(dialog));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const std::wstring& port = DialogState<const std::wstring>(dialog);
  switch (LOWORD(wParam)) {
    case IDOK:
      Store(dialog, port);
      break;
    case IDCANCEL:
      EndDialog(dialog, 1);
      break;
    case IDC_SEARCH:
      Search(dialog, port);
      break;
    default:
      EnableMacControls(dialog, PowerControlTicked(dialog));
      break;
  }
  return TRUE;
}

}  // namespace

INT_PTR RunConfigurePortDialog(HWND owner, const std::wstring& portName) {
  return DialogBoxParamW(Monitor::Instance().module(), MAKEINTRESOURCEW(IDD_CONFIGURE_PORT), owner,
                         ConfigurePortProc, reinterpret_cast<LPARAM>(&portName));
}

}  // namespace portmon
