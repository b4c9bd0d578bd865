#include "nicconf/exchange/nic_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "nicconf/exchange/tests/exchange_test_support.h"
#include "nicconf/exchange/worker_table.h"
#include "nicproto/attribute_frame.h"

namespace nic {
namespace {

using test::ExchangeTest;

std::vector<std::string> Addresses(const std::vector<FoundNic>& records) {
  std::vector<std::string> out;
  for (const FoundNic& r : records) out.push_back(r.ip);
  return out;
}

TEST(RangeRecords, WrapsPast254AndSkips0And255) {
  EXPECT_EQ(Addresses(RangeRecords("10.0.0.250", 3)),
            (std::vector<std::string>{"10.0.0.250", "10.0.0.251", "10.0.0.252", "10.0.0.253",
                                      "10.0.0.254", "10.0.0.1", "10.0.0.2", "10.0.0.3"}));
  EXPECT_EQ(Addresses(RangeRecords("10.0.0.7", 9)),
            (std::vector<std::string>{"10.0.0.7", "10.0.0.8", "10.0.0.9"}));
  EXPECT_EQ(RangeRecords("10.0.0.5", 5).size(), 1u);
}

TEST(RangeRecords, RefusesAddressesItCannotSplit) {
  EXPECT_TRUE(RangeRecords("localhost", 5).empty());
  EXPECT_TRUE(RangeRecords("10.0.0.", 5).empty());
  EXPECT_TRUE(RangeRecords("10.0.0.x", 5).empty());
  EXPECT_TRUE(RangeRecords("10.0.0.300", 5).empty());
  EXPECT_TRUE(RangeRecords("10.0.0.1", 256).empty());
  EXPECT_TRUE(RangeRecords(nullptr, 5).empty());
}

// Frames as a NIC sends them, for the matcher tests.
std::vector<std::uint8_t> ProbeReply(const char* ip, const char* mac, const char* name) {
  AttributeRecord record;
  SetIpAttribute(record, tag::kIpAddress, ip);
  SetMacText(record, mac);
  SetTextAttribute(record, tag::kName, name);
  std::vector<std::uint8_t> frame;
  frame.reserve(256);
  frame.assign({'h', 'b', 'm'});
  EncodeAttributes(record, frame);
  return frame;
}

std::vector<std::uint8_t> StatusDatagram(const std::string& text) {
  const std::size_t length = text.size() + 2;
  std::vector<std::uint8_t> frame(3 + length);
  std::memcpy(frame.data(), "nrv", 3);
  frame[3] = static_cast<std::uint8_t>(length >> 8);
  frame[4] = static_cast<std::uint8_t>(length);
  std::memcpy(frame.data() + 5, text.data(), text.size());
  return frame;
}

platform::ReceivedFrom From(const char* ip, std::uint16_t port = kAttributePort) {
  platform::ReceivedFrom from{};
  std::strcpy(from.ip, ip);
  from.port = port;
  return from;
}

TEST(SearchMatching, BroadcastKeepsTheFirstRepliesUpToTheMaximum) {
  NicSearch search("127.255.255.255", 2, 0);
  search.Match(ProbeReply("10.0.0.1", "00:00:00:00:00:01", "A"), From("10.0.0.1"));
  search.Match(ProbeReply("10.0.0.1", "00:00:00:00:00:01", "A"), From("10.0.0.1"));
  search.Match(ProbeReply("10.0.0.2", "00:00:00:00:00:02", "B"), From("10.0.0.2"));
  ASSERT_EQ(search.foundCount(), 2u);
  EXPECT_STREQ(search.records()[1].name, "A");  // no de-duplication
}

TEST(SearchMatching, BroadcastDropsRepliesWithoutAddressOrMacAndForeignPorts) {
  NicSearch search("127.255.255.255", 5, 0);
  std::vector<std::uint8_t> bare = {'h', 'b', 'm', 0, 1, 0};
  search.Match(bare, From("10.0.0.1"));
  search.Match(ProbeReply("10.0.0.1", "00:00:00:00:00:01", "A"), From("10.0.0.1", 8451));
  EXPECT_EQ(search.foundCount(), 0u);
}

TEST(SearchMatching, StatusDatagramNamesTheModelOfTheLatestRecordAtItsAddress) {
  NicSearch search("127.255.255.255", 5, 0);
  search.Match(ProbeReply("10.0.0.1", "00:00:00:00:00:01", "A"), From("10.0.0.1"));
  search.Match(ProbeReply("10.0.0.1", "00:00:00:00:00:11", "B"), From("10.0.0.1"));
  search.Match(StatusDatagram("MDL:LP-1;"), From("10.0.0.1"));
  EXPECT_STREQ(search.records()[0].model, "");
  EXPECT_STREQ(search.records()[1].model, "LP-1");
}

TEST(SearchMatching, RangeStatusBeforeReplyFindsNoAnsweredRecord) {
  NicSearch search(RangeRecords("10.0.0.1", 3), 0);
  search.Match(StatusDatagram("MDL:EARLY;"), From("10.0.0.2"));
  search.Match(ProbeReply("10.0.0.2", "00:00:00:00:00:02", "B"), From("10.0.0.2"));
  ASSERT_EQ(search.foundCount(), 1u);
  FoundNic nic{};
  ASSERT_TRUE(GetFoundNic(&search, 0, nic));
  EXPECT_STREQ(nic.model, "");
  search.Match(StatusDatagram("MDL:LATE;"), From("10.0.0.2"));
  ASSERT_TRUE(GetFoundNic(&search, 0, nic));
  EXPECT_STREQ(nic.model, "LATE");
  EXPECT_FALSE(GetFoundNic(&search, 1, nic));
}

TEST_F(ExchangeTest, RangeSearchFindsTheAnsweringNicsInAddressOrder) {
  NicSearch* search = StartRangeSearch("127.0.1.1", 9, 0, 400);
  ASSERT_NE(search, nullptr);
  WaitFinished(search);
  EXPECT_EQ(search->status().endCode, kFinished);
  // .6 is silent, .1 has nothing; the two NICs sharing .8 fill one record.
  ASSERT_EQ(GetFoundCount(search), 7u);
  std::vector<std::string> names;
  for (std::size_t i = 0; i < GetFoundCount(search); ++i) {
    FoundNic nic{};
    ASSERT_TRUE(GetFoundNic(search, i, nic));
    names.push_back(nic.name);
  }
  EXPECT_EQ(names[0], "READY");
  EXPECT_EQ(names[4], "NOSTATUS");
  EXPECT_EQ(names[6], "COVER");
  FoundNic ready{};
  ASSERT_TRUE(GetFoundNic(search, 0, ready));
  EXPECT_STREQ(ready.ip, test::kReady.ip);
  EXPECT_STREQ(ready.mac, test::kReady.mac);
  EXPECT_STREQ(ready.model, "LP-9800C");
  EXPECT_EQ(std::strncmp(ready.description, "NRV FastEthernet", 16), 0);
  Release(search);
}

TEST_F(ExchangeTest, RangeSearchWrapsAround) {
  NicSearch* search = StartRangeSearch("127.0.1.250", 3, 0, 300);
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(search->records().size(), 8u);
  WaitFinished(search);
  ASSERT_EQ(GetFoundCount(search), 2u);
  FoundNic nic{};
  ASSERT_TRUE(GetFoundNic(search, 1, nic));
  EXPECT_STREQ(nic.name, "PRINTING");
  Release(search);
}

TEST_F(ExchangeTest, RangeWithoutDotIsRefused) {
  EXPECT_EQ(StartRangeSearch("127001", 3, 0, 300), nullptr);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ExchangeTest, CancelDuringSearchReturnsWithin200Ms) {
  NicSearch* search = StartRangeSearch("127.0.1.1", 9, 0, 30000);
  ASSERT_NE(search, nullptr);
  platform::SleepMs(50);
  const std::uint32_t start = platform::TickCount();
  Cancel(search);
  EXPECT_LE(platform::TicksSince(start), 200u);
  EXPECT_TRUE(IsFinished(search));
  Release(search);
}

TEST_F(ExchangeTest, FifthExchangeIsRefusedWithAMessage) {
  std::vector<NicSearch*> running;
  for (int i = 0; i < 4; ++i) {
    running.push_back(StartRangeSearch("127.0.1.2", 2, 0, 30000));
    ASSERT_NE(running.back(), nullptr);
  }
  EXPECT_EQ(StartRangeSearch("127.0.1.2", 2, 0, 30000), nullptr);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(messages[0].titleId, 5505);
  EXPECT_EQ(messages[0].textId, 5140);
  EXPECT_STREQ(MessageText(5140), "予期せぬエラー(140)");
  for (NicSearch* search : running) {
    Cancel(search);
    Release(search);
  }
  EXPECT_EQ(WorkerCount(), 0u);
}

}  // namespace
}  // namespace nic
