#include "tools/nicsim/event_line.h"

#include <gtest/gtest.h>

namespace nicsim {
namespace {

TEST(EventLine, DatagramsShowTheirBytes) {
  Event event;
  event.kind = "probe";
  event.nicIp = "127.0.0.2";
  event.peerIp = "127.0.0.1";
  event.peerPort = 40000;
  event.localPort = 8450;
  event.bytes = {0x9C, 0x40, 'H', 'B', 'M', 0x01, 0x00};
  EXPECT_EQ(FormatEventLine(event), "probe 127.0.0.2 127.0.0.1:40000 8450 9C4048424D0100");
}

TEST(EventLine, JobsShowTheirFileAndSize) {
  Event event;
  event.kind = "job";
  event.nicIp = "127.0.0.2";
  event.peerIp = "127.0.0.1";
  event.peerPort = 40001;
  event.localPort = 9100;
  event.path = "/tmp/jobs/127.0.0.2-1.prn";
  event.size = 42;
  EXPECT_EQ(FormatEventLine(event),
            "job 127.0.0.2 127.0.0.1:40001 9100 /tmp/jobs/127.0.0.2-1.prn 42");
}

TEST(EventLine, WritesShowTheNicAndTheValuesTheyCarried) {
  Event event;
  event.kind = "wrote";
  event.nicIp = "127.0.0.2";
  event.peerIp = "127.0.0.1";
  event.peerPort = 40002;
  event.localPort = 8450;
  event.mac = "00:80:87:00:00:02";
  event.written = {"attr 7=\"NEW NAME\"", "attr 10=50"};
  EXPECT_EQ(FormatEventLine(event),
            "wrote 127.0.0.2 127.0.0.1:40002 8450 00:80:87:00:00:02 attr 7=\"NEW NAME\" attr 10=50");
}

}  // namespace
}  // namespace nicsim
