// "AppleTalk": the printer's name, zone and entity on an AppleTalk network.
#include <windows.h>

#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

using F = SettingField;

constexpr char kName[] = "プリンタ名";
constexpr char kZone[] = "EtherTalkゾーン";
constexpr char kEntity[] = "AppleTalkエンティティ";
constexpr std::size_t kEntityLimit = 31;  // the names take 29

const FieldBinding kFields[] = {
    {IDC_ATALK_PRINTER_NAME, F::AppleTalkName, FieldKind::Text, TextClass::AppleTalkName, kName},
    {IDC_ATALK_ZONE, F::EtherTalkZone, FieldKind::Text, TextClass::EtherTalkZone, kZone},
    {IDC_ATALK_ENTITY1, F::AppleTalkEntity1, FieldKind::Text, TextClass::AppleTalkName, kEntity, 0, 0, nullptr, kEntityLimit},
    {IDC_ATALK_ENTITY2, F::AppleTalkEntity2, FieldKind::Text, TextClass::AppleTalkName, kEntity, 0, 0, nullptr, kEntityLimit},
    {IDC_ATALK_ENTITY3, F::AppleTalkEntity3, FieldKind::Text, TextClass::AppleTalkName, kEntity, 0, 0, nullptr, kEntityLimit},
    {IDC_ATALK_ENTITY4, F::AppleTalkEntity4, FieldKind::Text, TextClass::AppleTalkName, kEntity, 0, 0, nullptr, kEntityLimit},
};

void Opened(HWND page, SheetState& sheet) {
  const AppleTalkAddress address = AppleTalkAddressOf(sheet.image);
  SetDlgItemTextA(page, IDC_ATALK_NETWORK, address.network.c_str());
  SetDlgItemTextA(page, IDC_ATALK_NODE, address.node.c_str());
}

const PageDesign kDesign{SettingPage::AppleTalk, kFields, Opened, nullptr, nullptr, nullptr};

}  // namespace

const PageDesign& AppleTalkPage() { return kDesign; }

}  // namespace nic::sheets
