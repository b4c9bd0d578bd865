#include "nicconf/exchange/tests/exchange_test_support.h"

#include "common/bounded_text.h"

namespace nic::test {

PrinterRecord Record(const TestNic& nic) {
  PrinterRecord record{};
  CopyBoundedText(record.ip, nic.ip);
  CopyBoundedText(record.mac, nic.mac);
  return record;
}

void ExchangeTest::SetUp() { StartWith({}); }

void ExchangeTest::StartWith(NetworkSeams given) {
  given.messages = {&messages, [](void* context, MessageIcon icon, int titleId, int textId) {
                      static_cast<std::vector<ShownMessage>*>(context)->push_back(
                          {icon, titleId, textId});
                    }};
  ASSERT_TRUE(StartNetwork(given));
}

void ExchangeTest::TearDown() { StopNetwork(); }

void ExchangeTest::WaitFinished(const Exchange* exchange, std::uint32_t limitMs) {
  const std::uint32_t start = platform::TickCount();
  while (!IsFinished(exchange)) {
    ASSERT_LT(platform::TicksSince(start), limitMs) << "the exchange did not finish";
    platform::SleepMs(5);
  }
}

}  // namespace nic::test
