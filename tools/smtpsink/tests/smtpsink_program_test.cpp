// The smtpsink program as the fixture runs it: "ready" on stdout once
// listening, sessions in the record folder, a clean stop on SIGTERM.

#include <sys/socket.h>

#include <gtest/gtest.h>

#include "common/testing/child_process.h"
#include "tools/shared/loopback_socket.h"
#include "tools/smtpsink/tests/recorded_session.h"
#include "tools/smtpsink/tests/smtp_client.h"

namespace smtpsink::test {
namespace {

constexpr char kAddress[] = "127.0.10.9";

// The program under test, started as its callers start it.
class Program : public testkit::ChildProcess {
 public:
  explicit Program(const std::vector<std::string>& args) : ChildProcess(SMTPSINK_PROGRAM, args) {}
  // The first line the program writes, or "" when it ends without one.
  std::string FirstLine() { return NextLine(kReplyWaitMs); }
};

std::uint16_t FreePort() {
  std::string error;
  const tools::UniqueFd probe = tools::OpenTcpListener(kAddress, 0, &error);
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ::getsockname(probe.get(), reinterpret_cast<sockaddr*>(&address), &length);
  return tools::PeerOf(address).port;
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
