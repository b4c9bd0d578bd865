// "TCP/IP詳細": gateway, sessions, time-outs.
#include "nicconf/sheets/page_designs.h"
#include "nicconf/sheets/sheet_dialog_ids.h"

namespace nic::sheets {
namespace {

const FieldBinding kFields[] = {
    {IDC_DETAIL_GATEWAY, SettingField::Gateway, FieldKind::Address},
    {IDC_DETAIL_SESSIONS, SettingField::MaxSessions, FieldKind::Number, TextClass::NicName, "", 1, 64},
    {IDC_DETAIL_TIMEOUT, SettingField::SessionTimeout, FieldKind::Number, TextClass::NicName, "", 30, 7200},
    {IDC_DETAIL_KEEPALIVE, SettingField::KeepAlive, FieldKind::Check},
    {IDC_DETAIL_FTP_TIMEOUT, SettingField::FtpTimeout, FieldKind::Number, TextClass::NicName, "", 5, 60},
};

const PageDesign kDesign{SettingPage::TcpIpDetail, kFields, nullptr, nullptr, nullptr, nullptr};

}  // namespace

const PageDesign& TcpIpDetailPage() { return kDesign; }

}  // namespace nic::sheets
