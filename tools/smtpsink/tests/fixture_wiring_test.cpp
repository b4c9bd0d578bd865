// A test program that names both a simulated network and a mail sink runs
// while both are up, and finds each through its own variable.

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "tools/smtpsink/tests/recorded_session.h"
#include "tools/smtpsink/tests/smtp_client.h"

namespace smtpsink::test {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

TEST(FixtureWiring, BothFixturesAreUpAndNamed) {
  const std::string network = Variable("NICSIM_STATE");
  const std::string sink = Variable("SMTPSINK_STATE");
  ASSERT_TRUE(network.ends_with("/nicsim/smtpsink_wiring_network")) << network;
  ASSERT_TRUE(sink.ends_with("/smtpsink/smtpsink_wiring")) << sink;
  EXPECT_TRUE(std::filesystem::exists(network + "/pid"));

  const std::string listen = ReadFile(sink + "/listen");
  EXPECT_EQ(listen, "127.0.10.20:2526\n");
  SmtpClient client("127.0.10.20", 2526);
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(client.ReadReply().substr(0, 4), "220 ");
  ASSERT_TRUE(client.Send("QUIT\r\n"));
  EXPECT_EQ(client.ReadReply().substr(0, 4), "221 ");
  const auto log = SessionLog(sink + "/sessions");
  ASSERT_FALSE(log.empty());
  const std::string file = log.back().substr(0, log.back().find(' '));
  EXPECT_EQ(ReadFile(sink + "/sessions/" + file), "QUIT\r\n");
}

}  // namespace
}  // namespace smtpsink::test
