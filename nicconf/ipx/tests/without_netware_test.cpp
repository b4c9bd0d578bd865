// Where the NetWare client libraries cannot be found, IPX stays unavailable
// and every job refuses to start, so the folder carries on with TCP/IP.
#include <gtest/gtest.h>

#include <cstring>

#include "nicconf/ipx/ipx_jobs.h"

namespace nic::ipx {
namespace {

TEST(IpxWithoutNetware, StartFailsAndJobsRefuse) {
  // The program's own folder holds no stand-ins; the folder it was started
  // from (also searched) might.
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  if (char* slash = std::strrchr(path, '\\')) *slash = '\0';
  ASSERT_TRUE(SetCurrentDirectoryA(path));
  ASSERT_EQ(LoadLibraryA("NWSIPX32.DLL"), nullptr);
  EXPECT_FALSE(StartIpx(ErrorOutputMessages()));
  EXPECT_FALSE(IpxAvailable());
  EXPECT_STREQ(IpxLocalNetwork(), "00000000");
  EXPECT_FALSE(StartIpxSearch(100, nullptr));
  EXPECT_FALSE(StartIpxRead(100, "1", "1"));
  EXPECT_TRUE(IsIpxPollFinished());
  EXPECT_TRUE(IsIpxSingleFinished());
  StopIpx();
}

}  // namespace
}  // namespace nic::ipx
