// The smtpsink program as the fixture runs it: "ready" on stdout once
// listening, sessions in the record folder, a clean stop on SIGTERM.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tools/nicsim/loopback_socket.h"
#include "tools/smtpsink/tests/recorded_session.h"
#include "tools/smtpsink/tests/smtp_client.h"

namespace smtpsink::test {
namespace {

constexpr char kAddress[] = "127.0.10.9";

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
    posix_spawn(&pid_, SMTPSINK_PROGRAM, &actions, nullptr, argv.data(), environ);
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
  nicsim::UniqueFd output_;
};

std::uint16_t FreePort() {
  std::string error;
  const nicsim::UniqueFd probe = nicsim::OpenTcpListener(kAddress, 0, &error);
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ::getsockname(probe.get(), reinterpret_cast<sockaddr*>(&address), &length);
  return nicsim::PeerOf(address).port;
}

TEST(SmtpsinkProgram, RecordsSessionsUntilTerminated) {
  const TestFolder folder;
  const std::uint16_t port = FreePort();
  Program program({"smtpsink", "--listen", std::string(kAddress) + ":" + std::to_string(port),
                   "--record", folder.path(), "--mode", "accept"});
  ASSERT_EQ(program.FirstLine(), "ready");
  SmtpClient client(kAddress, port);
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(client.ReadReply().substr(0, 4), "220 ");
  ASSERT_TRUE(client.Send("EHLO pc\r\nQUIT\r\n"));
  EXPECT_EQ(client.ReadReply().substr(0, 4), "250 ");
  EXPECT_EQ(client.ReadReply().substr(0, 4), "221 ");
  EXPECT_EQ(RecordedSession(folder.path(), 1), "EHLO pc\r\nQUIT\r\n");
  EXPECT_EQ(program.Stop(), 0);
}

TEST(SmtpsinkProgram, BadArgumentsAndAddressesOutsideLoopbackAreRefused) {
  const TestFolder folder;
  Program noMode({"smtpsink", "--listen", "127.0.10.9:2525", "--record", folder.path(),
                  "--mode", "bounce"});
  EXPECT_EQ(noMode.FirstLine(), "");
  EXPECT_EQ(noMode.Wait(), 2);
  Program outside({"smtpsink", "--listen", "192.0.2.1:2525", "--record", folder.path()});
  EXPECT_EQ(outside.FirstLine(), "");
  EXPECT_EQ(outside.Wait(), 1);
}

}  // namespace
}  // namespace smtpsink::test
