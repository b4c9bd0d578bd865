#include "nicconf/sheets/page_designs.h"

namespace nic::sheets {

const PageDesign* DesignOf(SettingPage page) {
  switch (page) {
    case SettingPage::LanBoard: return &LanBoardPage();
    case SettingPage::TcpIp: return &TcpIpPage();
    case SettingPage::TcpIpDetail: return &TcpIpDetailPage();
    case SettingPage::NetWare: return &NetWarePage();
    case SettingPage::AppleTalk: return &AppleTalkPage();
    case SettingPage::Snmp: return &SnmpPage();
    case SettingPage::RemotePower: return &RemotePowerPage();
    case SettingPage::PrintLog: return &PrintLogPage();
    case SettingPage::Link: return &LinkPage();
    case SettingPage::MailNotice: return &MailNoticePage();
    case SettingPage::Information: return &InformationPage();
    default: return nullptr;
  }
}

}  // namespace nic::sheets
