// The nicsim program as callers run it: "ready" on stdout, a log of events,
// the control channel, and a clean stop on SIGTERM.

#include <sys/socket.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "common/testing/child_process.h"
#include "nicproto/attribute_frame.h"
#include "tools/shared/loopback_socket.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

// The program under test, started as its callers start it.
class Program : public testkit::ChildProcess {
 public:
  explicit Program(const std::vector<std::string>& args) : ChildProcess(NICSIM_PROGRAM, args) {}
  // The first line the program writes, or "" when it ends without one.
  std::string FirstLine() { return NextLine(kReplyWaitMs); }
};

std::uint16_t FreeUdpPort() {
  UdpClient probe;
  return probe.port();
}

std::string WriteFile(const std::string& folder, const std::string& name,
                      const std::string& text) {
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/" + name;
  std::ofstream(path) << text;
  return path;
}

std::string ReplyName(const Datagram& hbm) {
  nic::FrameKind kind{};
  nic::AttributeRecord record;
  char name[49] = {};
  EXPECT_TRUE(nic::ParseAttributeFrame(hbm.bytes, kind, record));
  nic::GetTextAttribute(record, nic::tag::kName, name, sizeof name);
  return name;
}

TEST(NicsimProgram, ServesLogsAndTakesControlUntilTerminated) {
  const TestFolder scratch;
  const std::string& folder = scratch.path();
  const std::string config =
      WriteFile(folder, "nics.ini", "[nic]\nip=127.0.9.60\nmac=00:80:87:09:00:60\nname=FIRST\n");
  const std::string log = folder + "/events.log";
  const std::string controlPort = std::to_string(FreeUdpPort());
  Program program({"nicsim", "--config", config, "--jobs", folder + "/jobs", "--log", log,
                   "--control", controlPort});
  ASSERT_EQ(program.FirstLine(), "ready");

  UdpClient client;
  const auto probe = nic::BuildShortProbeRequest(client.port());
  client.SendTo("127.0.9.60", 8450, probe);
  auto hbm = client.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(ReplyName(*hbm), "FIRST");
  ASSERT_TRUE(client.Receive());  // the status datagram

  const std::string command = "set 00:80:87:09:00:60 name=SECOND";
  client.SendTo("127.0.0.1", static_cast<std::uint16_t>(std::stoi(controlPort)),
                {command.begin(), command.end()});
  const auto answer = client.Receive();
  ASSERT_TRUE(answer);
  EXPECT_EQ(std::string(answer->bytes.begin(), answer->bytes.end()), "ok");
  client.SendTo("127.0.9.60", 8450, probe);
  hbm = client.Receive();
  ASSERT_TRUE(hbm);
  EXPECT_EQ(ReplyName(*hbm), "SECOND");

  EXPECT_EQ(program.Stop(), 0);
  std::ifstream in(log);
  std::string first;
  std::getline(in, first);
  const std::string expected =
      "probe 127.0.9.60 127.0.0.1:" + std::to_string(client.port()) + " 8450 ";
  EXPECT_EQ(first.rfind(expected, 0), 0u) << first;
}

TEST(NicsimProgram, BadConfigurationEndsWithUsageError) {
  const TestFolder scratch;
  const std::string& folder = scratch.path();
  const std::string config = WriteFile(folder, "nics.ini", "[nic]\nfault=sometimes\n");
  Program program({"nicsim", "--config", config});
  EXPECT_EQ(program.FirstLine(), "");
  EXPECT_EQ(program.Wait(), 2);
}

}  // namespace
}  // namespace nicsim::test
