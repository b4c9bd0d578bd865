// "TCP/IP": how the NIC gets its address, and the address by hand.
#include <windows.h>
#include <commctrl.h>

#include "nicconf/folder/field_controls.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

constexpr char kDhcpWarning[] =
    "「DHCPサーバから取得する」が選択されました。\nプリンタと通信できなくなった場合は、現在の登録を削除し再登録してください。";

const FieldBinding kFields[] = {
    {IDC_TCPIP_ADDRESS, SettingField::IpAddress, FieldKind::Address},
    {IDC_TCPIP_MASK, SettingField::SubnetMask, FieldKind::Address},
};

bool OnDhcp(const NicSettings& image) {
  const auto dhcp = ReadSetting(image, SettingField::Dhcp);
  return dhcp && *dhcp != "0";
}

int ChosenMethod(const NicSettings& image) {
  if (OnDhcp(image)) return IDC_TCPIP_DHCP;
  const auto method = ReadSetting(image, SettingField::AddressMethod);
  return method && *method == "0" ? IDC_TCPIP_ARP : IDC_TCPIP_MANUAL;
}

// The sheet's OK waits until every enabled address is whole.
void UpdateOk(HWND page) {
  bool whole = true;
  for (const int id : {IDC_TCPIP_ADDRESS, IDC_TCPIP_MASK}) {
    HWND field = GetDlgItem(page, id);
    if (IsWindowEnabled(field) && SendMessageA(field, kFieldValidate, 0, 0) != 1) whole = false;
  }
  EnableWindow(GetDlgItem(GetParent(page), IDOK), whole);
}

void EnableAddresses(HWND page) {
  const bool manual = IsDlgButtonChecked(page, IDC_TCPIP_MANUAL) == BST_CHECKED;
  EnableControls(page, {IDC_TCPIP_ADDRESS_LABEL, IDC_TCPIP_ADDRESS, IDC_TCPIP_MASK_LABEL, IDC_TCPIP_MASK},
                 manual);
  UpdateOk(page);
}

void Opened(HWND page, SheetState& sheet) {
  CheckRadioButton(page, IDC_TCPIP_DHCP, IDC_TCPIP_MANUAL, ChosenMethod(sheet.image));
  EnableAddresses(page);
}

void Command(HWND page, SheetState& sheet, int control, int code) {
  if (code == BN_CLICKED && control >= IDC_TCPIP_DHCP && control <= IDC_TCPIP_MANUAL) {
    CheckRadioButton(page, IDC_TCPIP_DHCP, IDC_TCPIP_MANUAL, control);
    EnableAddresses(page);
    if (control == IDC_TCPIP_DHCP && !OnDhcp(sheet.baseline)) {
      ShowFolderText(GetParent(page), MessageLevel::Warning, kDhcpWarning);
    }
  }
  if (code == EN_CHANGE && (control == IDC_TCPIP_ADDRESS || control == IDC_TCPIP_MASK)) UpdateOk(page);
}

// The choice travels as the DHCP flag and the method; a choice left as it
// was writes nothing.
bool Leaving(HWND page, SheetState& sheet) {
  const int chosen = IsDlgButtonChecked(page, IDC_TCPIP_DHCP) == BST_CHECKED  ? IDC_TCPIP_DHCP
                     : IsDlgButtonChecked(page, IDC_TCPIP_ARP) == BST_CHECKED ? IDC_TCPIP_ARP
                                                                              : IDC_TCPIP_MANUAL;
  if (chosen == ChosenMethod(sheet.image)) return true;
  PutSetting(sheet, SettingField::Dhcp, chosen == IDC_TCPIP_DHCP ? "1" : "0");
  if (chosen == IDC_TCPIP_ARP) PutSetting(sheet, SettingField::AddressMethod, "0");
  if (chosen == IDC_TCPIP_MANUAL) {
    PutSetting(sheet, SettingField::AddressMethod, sheet.facts.commandNic ? "1" : "255");
  }
  return true;
}

const PageDesign kDesign{SettingPage::TcpIp, kFields, Opened, Leaving, Command, nullptr};

}  // namespace

const PageDesign& TcpIpPage() { return kDesign; }

}  // namespace nic::sheets
