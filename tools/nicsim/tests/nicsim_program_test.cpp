// The nicsim program as callers run it: "ready" on stdout, a log of events,
// the control channel, and a clean stop on SIGTERM.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "nicconf/proto/attribute_frame.h"
#include "tools/nicsim/loopback_socket.h"
#include "tools/nicsim/tests/sim_client.h"

namespace nicsim::test {
namespace {

class Program {
 public:
  explicit Program(const std::vector<std::string>& args) {
    int out[2];
    ::pipe2(out, O_CLOEXEC);
    output_.reset(out[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn(&pid_, NICSIM_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
  }
  ~Program() {
    if (pid_ > 0) Stop();
  }

  // The first line the program writes, or "" when it ends without one.
  std::string FirstLine() {
    std::string line;
    char c = 0;
    pollfd fd{output_.get(), POLLIN, 0};
    while (::poll(&fd, 1, kReplyWaitMs) == 1 && ::read(output_.get(), &c, 1) == 1 && c != '\n') {
      line += c;
    }
    return line;
  }

  int Stop() {
    ::kill(pid_, SIGTERM);
    return Wait();
  }
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = 0;
  UniqueFd output_;
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
