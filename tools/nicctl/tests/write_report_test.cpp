#include "tools/nicctl/write_report.h"

#include <gtest/gtest.h>

#include "tools/nicctl/exit_codes.h"

namespace {

TEST(NicctlWriteReport, EveryPartConfirmed) {
  WriteOutcome o;
  o.target = "127.0.1.2 00:80:87:01:00:02";
  o.parts.push_back({"attributes", true});
  o.parts.push_back({"configuration", true});
  o.status.endCode = nic::kFinished;
  const std::string report = WriteReport(o);
  EXPECT_EQ(report,
            "NIC 127.0.1.2 00:80:87:01:00:02\n"
            "  attributes                confirmed\n"
            "  configuration             confirmed\n");
  EXPECT_EQ(WriteExitCode(o), 0);
}

TEST(NicctlWriteReport, AMissingReplyGivesTheEndCode) {
  WriteOutcome o;
  o.target = "00:80:87:01:00:02";
  o.parts.push_back({"new address 10.0.0.9", false});
  o.status.endCode = nic::kTimedOut;
  EXPECT_NE(WriteReport(o).find("no reply\nend code 7 (no answer within the time-out)\n"),
            std::string::npos);
  EXPECT_EQ(WriteExitCode(o), kExitNoAnswer);
  o.status = {nic::kSendFailed, 10065};
  EXPECT_NE(WriteReport(o).find("end code 9 (send error), socket error 10065"), std::string::npos);
  EXPECT_EQ(WriteExitCode(o), kExitNetwork);
}

}  // namespace
