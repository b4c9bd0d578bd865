#include "tools/nicctl/reports.h"

#include <gtest/gtest.h>

#include <cstring>

#include "common/bounded_text.h"
#include "tools/nicctl/terminal_text.h"

namespace {

TEST(NicctlReports, SearchTableListsEveryNic) {
  nic::FoundNic a{};
  CopyBoundedText(a.ip, "127.0.0.2");
  CopyBoundedText(a.mac, "00:80:87:00:00:02");
  CopyBoundedText(a.name, "PRN2");
  CopyBoundedText(a.description, "NRV FastEthernet 1");
  const std::string report = SearchReport({a});
  EXPECT_NE(report.find("127.0.0.2       00:80:87:00:00:02  PRN2"), std::string::npos) << report;
  EXPECT_NE(report.find("1 NIC(s) found"), std::string::npos);
}

TEST(NicctlReports, StatusShowsStateTitleAndIndentedMessage) {
  nic::PolledPrinter p{};
  CopyBoundedText(p.ip, "127.0.0.2");
  CopyBoundedText(p.mac, "00:80:87:00:00:02");
  p.info.family = -1;
  p.endCode = 7;
  const std::string report = StatusReport({p});
  EXPECT_NE(report.find("<STATE_NO_RESPONSE>"), std::string::npos);
  EXPECT_NE(report.find("応答無し"), std::string::npos);
  EXPECT_NE(report.find("\n    プリンタの電源"), std::string::npos) << "second line indented";
  EXPECT_NE(report.find("end code 7"), std::string::npos);
}

#ifndef _WIN32
TEST(NicctlReports, ShiftJisBecomesUtf8OnTheTerminal) {
  const std::string converted = ForTerminal("情報 ok");
  EXPECT_EQ(converted, "\xE6\x83\x85\xE5\xA0\xB1 ok");
  EXPECT_EQ(ForTerminal("\x81"), "?");  // a lone lead byte
}
#endif

}  // namespace
