// "SNMP": the communities the NIC answers and four trap destinations, each
// usable only while its box is ticked.
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

using F = SettingField;

constexpr char kLabel[] = "コミュニティ名";

#define COMMUNITY(control, field) \
  {control, field, FieldKind::Text, TextClass::Community, kLabel}
#define TRAP(n)                                                                     \
  {IDC_SNMP_TRAP##n, F::TrapEnabled##n, FieldKind::Check},                          \
      {IDC_SNMP_TRAP##n##_ADDRESS, F::TrapAddress##n, FieldKind::Address},          \
      COMMUNITY(IDC_SNMP_TRAP##n##_COMMUNITY, F::TrapCommunity##n)

const FieldBinding kFields[] = {
    COMMUNITY(IDC_SNMP_COMMUNITY1, F::Community1), COMMUNITY(IDC_SNMP_COMMUNITY2, F::Community2),
    COMMUNITY(IDC_SNMP_COMMUNITY3, F::Community3), COMMUNITY(IDC_SNMP_COMMUNITY4, F::Community4),
    TRAP(1), TRAP(2), TRAP(3), TRAP(4),
};

#undef TRAP
#undef COMMUNITY

// A row's controls follow its box: the box, its address, its community.
constexpr int kTrapBoxes[] = {IDC_SNMP_TRAP1, IDC_SNMP_TRAP2, IDC_SNMP_TRAP3, IDC_SNMP_TRAP4};

void EnableRows(HWND page) {
  for (const int box : kTrapBoxes) {
    EnableControls(page, {box + 1, box + 2}, IsDlgButtonChecked(page, box) == BST_CHECKED);
  }
}

void Opened(HWND page, SheetState&) { EnableRows(page); }

void Command(HWND page, SheetState&, int control, int code) {
  if (code != BN_CLICKED) return;
  for (const int box : kTrapBoxes)
    if (control == box) EnableRows(page);
}

const PageDesign kDesign{SettingPage::Snmp, kFields, Opened, nullptr, Command, nullptr};

}  // namespace

const PageDesign& SnmpPage() { return kDesign; }

}  // namespace nic::sheets
