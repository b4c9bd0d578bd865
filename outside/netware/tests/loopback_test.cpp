#include <gtest/gtest.h>

#include "outside/netware/directory_tree.h"
#include "outside/netware/loopback_ipx.h"

namespace netware_standin {
namespace {

TEST(LoopbackIpx, SegmentFileAndStationAddresses) {
  const Segment s = ReadSegment(
      "# office\nlocal 1A 00001B000001\nstation 1A 00:80:87:00:01:11\nstation 1A zz\nport 29000\n");
  ASSERT_TRUE(s.hasLocal);
  ASSERT_EQ(s.stations.size(), 1u);  // the malformed line is skipped
  EXPECT_EQ(StationIp(s.stations[0]), "127.0.0.1");
  EXPECT_EQ(StationPort(s, s.stations[0]), 29000 + 0x1A11);
  EXPECT_EQ(StationPort(s, s.local), 29000 + 0x1A01);
}

TEST(DirectoryTree, SubordinatesOfRootAndOfAContext) {
  const auto directory = ReadDirectory(
      "ACME\tOrganization\nSALES.ACME\tOrganizational Unit\nPRN.SALES.ACME\tQueue\r\nbad line\n");
  ASSERT_EQ(directory.size(), 3u);
  const auto root = Subordinates(directory, "[Root]");
  ASSERT_EQ(root.size(), 1u);
  EXPECT_EQ(root[0].name, "ACME");
  EXPECT_EQ(Subordinates(directory, "ACME.[Root]")[0].name, "SALES");
  const auto sales = Subordinates(directory, "SALES.ACME");
  ASSERT_EQ(sales.size(), 1u);
  EXPECT_EQ(sales[0].baseClass, "Queue");
}

}  // namespace
}  // namespace netware_standin
