// The opens and closes counted beside each printer's items, by which tests of
// the callers check that every successful open is closed once.
#include <thread>

#include "outside/statusmgr/store_layout.h"
#include "outside/statusmgr/tests/store_fixture.h"

namespace statusmgr::test {
namespace {

using CountersTest = StoreTest;

TEST_F(CountersTest, EverySuccessfulOpenAndEveryCloseIsCounted) {
  const std::string printer = AddPrinter("p");
  void* first = Open(printer);
  void* second = Open(printer);
  EXPECT_NE(first, second);
  EXPECT_EQ(Counter(printer, kOpens), 2u);
  EXPECT_EQ(Counter(printer, kCloses), std::nullopt);
  EXPECT_EQ(close(first), 0);
  EXPECT_EQ(close(second), 0);
  EXPECT_EQ(Counter(printer, kCloses), 2u);
  // Closing twice is refused, yet shows as a close too many.
  EXPECT_NE(close(first), 0);
  EXPECT_EQ(Counter(printer, kCloses), 3u);
}

TEST_F(CountersTest, EachReadIsCountedUnderItsItem) {
  const std::string printer = AddPrinter("p");
  void* manager = Open(printer);
  BYTE port[260] = {};
  std::uint32_t needed = 0;
  get(manager, "Port", port, sizeof port, &needed);
  getDirect(manager, "Port", port, sizeof port, &needed);
  get(manager, "Port", port, 4, &needed);  // too small, but asked all the same
  BYTE word[4] = {};
  get(manager, "PrinterExtStatus", word, sizeof word, &needed);
  get(manager, "NoSuchItem", word, sizeof word, &needed);
  EXPECT_EQ(Counter(printer, "Reads Port"), 3u);
  EXPECT_EQ(Counter(printer, "Reads PrinterExtStatus"), 1u);
  EXPECT_EQ(Counter(printer, "Reads NoSuchItem"), std::nullopt);
  EXPECT_EQ(close(manager), 0);
  get(manager, "Port", port, sizeof port, &needed);  // a closed handle reads nothing
  EXPECT_EQ(Counter(printer, "Reads Port"), 3u);
}

TEST_F(CountersTest, AFailedOpenCountsNothingAndCreatesNoKey) {
  const std::string printer = PrinterName("absent");
  void* manager = nullptr;
  EXPECT_NE(open(printer.c_str(), 0, kOpenForAlarms, &manager), 0);
  EXPECT_FALSE(HasKey(printer));
  EXPECT_NE(close(nullptr), 0);
}

TEST_F(CountersTest, OpensFromSeveralThreadsAreAllCounted) {
  const std::string printer = AddPrinter("p");
  constexpr int kThreads = 4;
  constexpr int kRounds = 25;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < kRounds; ++i) {
        void* manager = nullptr;
        if (open(printer.c_str(), 0, kOpenForAlarms, &manager) == 0) close(manager);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(Counter(printer, kOpens), DWORD{kThreads * kRounds});
  EXPECT_EQ(Counter(printer, kCloses), DWORD{kThreads * kRounds});
}

}  // namespace
}  // namespace statusmgr::test
