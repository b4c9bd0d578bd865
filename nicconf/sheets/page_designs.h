#pragma once
// The design of every setting page, each in its own file under pages/.

#include "nicconf/sheets/page_design.h"

namespace nic::sheets {

// Null for a page that has no design yet.
const PageDesign* DesignOf(SettingPage page);

const PageDesign& LanBoardPage();
const PageDesign& TcpIpPage();
const PageDesign& TcpIpDetailPage();
const PageDesign& NetWarePage();
const PageDesign& AppleTalkPage();
const PageDesign& SnmpPage();
const PageDesign& RemotePowerPage();
const PageDesign& PrintLogPage();
const PageDesign& LinkPage();
const PageDesign& MailNoticePage();
const PageDesign& InformationPage();

}  // namespace nic::sheets
