// Runs only where unknown_address_in_namespace.sh has made 11.22.33.44 local
// and put a simulated NIC there whose MAC it names in
// NICSUITE_UNKNOWN_NIC_MAC.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "nicconf/exchange/nic_transaction.h"
#include "nicconf/exchange/system_commands.h"
#include "nicconf/exchange/tests/command_log.h"
#include "nicconf/exchange/tests/exchange_test_support.h"

namespace nic {
namespace {

class UnknownAddress : public test::ExchangeTest {
 protected:
  void SetUp() override {
    mac = std::getenv("NICSUITE_UNKNOWN_NIC_MAC");
    if (mac == nullptr) GTEST_SKIP() << "no test network; see unknown_address_in_namespace.sh";
    NetworkSeams seams;
    seams.arpPath = {2000, "127.0.0.1"};
    StartWith(seams);
    SetLocalAddress("127.0.0.1");
    log = std::make_unique<test::CommandLog>();
  }
  void TearDown() override {
    if (mac != nullptr) ExchangeTest::TearDown();
  }
  const char* mac = nullptr;
  std::unique_ptr<test::CommandLog> log;
};

TEST_F(UnknownAddress, WriteGivesTheNicItsAddressAndTheReplyComesFromThere) {
  auto request = std::make_unique<TransactionBlock>();
  ASSERT_TRUE(SetIpAttribute(request->attributes, tag::kIpAddress, "127.0.7.5"));
  request->attrReplied = 1;
  NicTransaction* t = StartNicWrite(kUnknownNicAddress, mac, request.get(), nullptr, 2000, false);
  ASSERT_NE(t, nullptr);
  WaitFinished(t);
  EXPECT_EQ(GetEndCode(t).endCode, kFinished);
  EXPECT_TRUE(UsedArpPath(t));
  char ip[16] = "";
  ASSERT_TRUE(GetIpAttribute(GetResultBlock(t)->attributes, tag::kIpAddress, ip, sizeof ip));
  EXPECT_STREQ(ip, "127.0.7.5");
  Release(t);
  const std::string pairs = "00-80-87-05-00-44";
  EXPECT_EQ(log->Lines(), (std::vector<std::string>{
                              "route add 11.22.33.44 127.0.0.1",
                              "arp -s 11.22.33.44 " + pairs + " 127.0.0.1",
                              "route delete 11.22.33.44", "arp -d 11.22.33.44"}));

  t = StartNicRead("127.0.7.5", mac, nullptr, true, 1000);
  ASSERT_NE(t, nullptr);
  WaitFinished(t);
  EXPECT_EQ(GetResultBlock(t)->attrReplied, 1u);
  EXPECT_FALSE(UsedArpPath(t));
  Release(t);
}

}  // namespace
}  // namespace nic
