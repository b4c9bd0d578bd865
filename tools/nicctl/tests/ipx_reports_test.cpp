#include "tools/nicctl/ipx_reports.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/bounded_text.h"

namespace {

TEST(NicctlIpxReports, SearchTableGivesNetworkFirstAndDashesForWhatIsMissing) {
  auto list = std::make_unique<nic::ipx::ResultList>();
  nic::ipx::Result& r = list->records[0];
  CopyBoundedText(r.network, "0000001A");
  CopyBoundedText(r.mac, "00:80:87:00:01:11");
  CopyBoundedText(r.name, "PRN1");
  CopyBoundedText(r.nicStatus, "1.23X");
  list->count = 1;
  const std::string report = IpxSearchReport(*list);
  EXPECT_NE(report.find("0000001A  00:80:87:00:01:11  -               PRN1             1.23X  -\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("1 NIC(s) found"), std::string::npos);

  r.info.statusReceived = 1;
  r.info.family = 0;
  EXPECT_NE(IpxSearchReport(*list).find("1.23X  <STATE_"), std::string::npos) << IpxSearchReport(*list);
}

TEST(NicctlIpxReports, NetworksAreShownWithEightCapitalDigits) {
  EXPECT_EQ(NetworkText("1a"), "0000001A");
  EXPECT_EQ(NetworkText("0000C0DE"), "0000C0DE");
}

TEST(NicctlIpxReports, PolledPrinterStandsAtItsNetworkAndTimesOutWithoutAnAnswer) {
  nic::ipx::Result r{};
  CopyBoundedText(r.network, "0000002B");
  CopyBoundedText(r.mac, "00:80:87:00:02:21");
  nic::PolledPrinter p = PolledFromIpx(r);
  EXPECT_STREQ(p.ip, "0000002B");
  EXPECT_EQ(p.endCode, nic::kTimedOut);
  r.info.attrReceived = 1;
  EXPECT_EQ(PolledFromIpx(r).endCode, nic::kFinished);
}

}  // namespace
