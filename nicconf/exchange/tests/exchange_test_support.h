#pragma once
// What the exchange tests share: the simulated network they talk to (see
// test_network.ini) and a fixture that starts and stops the network module
// and records the messages it shows.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "nicconf/exchange/exchange.h"
#include "nicconf/exchange/message_sink.h"
#include "nicconf/exchange/network.h"
#include "nicproto/printer_record.h"
#include "platform/tick.h"

namespace nic::test {

struct TestNic {
  const char* ip;
  const char* mac;
};

inline constexpr TestNic kReady{"127.0.1.2", "00:80:87:01:00:02"};
inline constexpr TestNic kPrinting{"127.0.1.3", "00:80:87:01:00:03"};
inline constexpr TestNic kTonerLow{"127.0.1.4", "00:80:87:01:00:04"};
inline constexpr TestNic kHopper2Empty{"127.0.1.5", "00:80:87:01:00:05"};
inline constexpr TestNic kSilent{"127.0.1.6", "00:80:87:01:00:06"};
inline constexpr TestNic kNoStatus{"127.0.1.7", "00:80:87:01:00:07"};
inline constexpr TestNic kSharedA{"127.0.1.8", "00:80:87:01:00:08"};
inline constexpr TestNic kSharedB{"127.0.1.8", "00:80:87:01:00:18"};
inline constexpr TestNic kCoverOpen{"127.0.1.9", "00:80:87:01:00:09"};

PrinterRecord Record(const TestNic& nic);

struct ShownMessage {
  MessageIcon icon;
  int titleId;
  int textId;
};

class ExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts the network with these seams and the test's message recorder.
  void StartWith(NetworkSeams seams);

  // Polls like the folder's timer; fails the test after `limitMs`.
  static void WaitFinished(const Exchange* exchange, std::uint32_t limitMs = 10000);

  std::vector<ShownMessage> messages;
};

}  // namespace nic::test
