// Runs only where broadcast_in_namespace.sh has made a network for it and
// names its broadcast address in NICSUITE_BROADCAST.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "nicconf/exchange/nic_search.h"
#include "nicconf/exchange/tests/exchange_test_support.h"

namespace nic {
namespace {

class BroadcastSearch : public test::ExchangeTest {
 protected:
  void SetUp() override {
    broadcast = std::getenv("NICSUITE_BROADCAST");
    if (broadcast == nullptr) GTEST_SKIP() << "no test network; see broadcast_in_namespace.sh";
    ExchangeTest::SetUp();
  }
  const char* broadcast = nullptr;
};

TEST_F(BroadcastSearch, FindsEveryNicWithItsModel) {
  NicSearch* search = StartBroadcastSearch(broadcast, 10, 500);
  ASSERT_NE(search, nullptr);
  WaitFinished(search);
  EXPECT_EQ(search->status().endCode, kFinished);
  ASSERT_EQ(GetFoundCount(search), 2u);
  std::set<std::string> found;
  for (std::size_t i = 0; i < 2; ++i) {
    FoundNic nic{};
    ASSERT_TRUE(GetFoundNic(search, i, nic));
    found.insert(std::string(nic.ip) + " " + nic.name + " " + nic.model);
  }
  EXPECT_EQ(found, (std::set<std::string>{"10.213.0.2 FIRST LP-2", "10.213.0.3 SECOND LP-3"}));
  Release(search);
}

TEST_F(BroadcastSearch, KeepsNoMoreThanTheMaximum) {
  NicSearch* search = StartBroadcastSearch(broadcast, 1, 300);
  ASSERT_NE(search, nullptr);
  WaitFinished(search);
  EXPECT_EQ(GetFoundCount(search), 1u);
  Release(search);
}

}  // namespace
}  // namespace nic
