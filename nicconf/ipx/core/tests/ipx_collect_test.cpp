#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nicconf/ipx/core/ipx_job.h"
#include "nicconf/ipx/testing/ipx_frames.h"

namespace nic::ipx {
namespace {

using test::From;
using test::NicAnswer;
using test::ProbeReply;
using test::StatusDatagram;

std::unique_ptr<ResultList> Collect(const std::vector<ReceivedDatagram>& received) {
  auto list = std::make_unique<ResultList>();
  list->count = 99;
  CollectMultiTarget(received, *list);
  return list;
}

std::string SourceFlags(const PrinterPictureInfo& info) {
  std::string out;
  for (int i : {0, 1, 2, 3}) out += info.pictureFlags[i] ? '1' : '0';
  return out;
}

TEST(IpxDatagrams, FiveKindsByTheirFirstBytes) {
  const auto kind = [](std::vector<std::uint8_t> d) { return ClassifyDatagram(d); };
  EXPECT_EQ(kind({'h', 'b', 'm', 0, 1}), DatagramKind::ProbeReply);
  EXPECT_EQ(kind({'h', 'b', 'm', 6}), DatagramKind::ExtProbeReply);
  EXPECT_EQ(kind({'h', 'b', 'm', 7}), DatagramKind::ExtSetReply);
  EXPECT_EQ(kind({'c', 'f', 'm'}), DatagramKind::SetReply);
  EXPECT_EQ(kind({'n', 'r', 'v'}), DatagramKind::Status);
  EXPECT_EQ(kind({'h', 'b', 'm'}), DatagramKind::Other);
  EXPECT_EQ(kind({'h', 'b', 'm', 1}), DatagramKind::Other);
  EXPECT_EQ(kind({'H', 'B', 'M', 1}), DatagramKind::Other);  // a manager's probe
}

TEST(IpxCollect, ANicAnsweringTwiceIsOneRecordWithItsLastAnswers) {
  NicAnswer first;
  NicAnswer second;
  second.name = "PRN1-LATER";
  const auto list = Collect({From(1, 0x20, ProbeReply(first)), From(2, 0x20, ProbeReply(first)),
                             From(1, 0x21, ProbeReply(first)), From(1, 0x20, ProbeReply(second))});
  ASSERT_EQ(list->count, 3u);  // the same node on another network is another NIC
  EXPECT_STREQ(list->records[0].network, "00000001");
  EXPECT_STREQ(list->records[0].mac, "00:80:00:00:00:20");
  EXPECT_STREQ(list->records[0].name, "PRN1-LATER");
  EXPECT_STREQ(list->records[0].ip, "192.168.1.20");
  EXPECT_STREQ(list->records[0].nicStatus, "1.23X");
  EXPECT_STREQ(list->records[1].network, "00000002");
  EXPECT_STREQ(list->records[2].mac, "00:80:00:00:00:21");
  EXPECT_EQ(list->records[0].info.attrReceived, 1u);
  EXPECT_EQ(list->records[0].info.printActivity, 3);
  EXPECT_EQ(list->records[0].info.portStatus, 1);
  EXPECT_EQ(list->records[0].info.statusReceived, 0u);
  EXPECT_EQ(list->records[0].info.family, -1);
  EXPECT_EQ(list->records[0].info.paperSource, 255);
  EXPECT_EQ(FindResult(*list, "1", "00:80:00:00:00:21"), &list->records[2]);
  EXPECT_EQ(FindResult(*list, "3", "00:80:00:00:00:21"), nullptr);
  // Set replies and other kinds make no record of a search.
  EXPECT_EQ(Collect({From(1, 0x20, {'c', 'f', 'm'}), From(1, 0x22, {'x'})})->count, 0u);
}

TEST(IpxCollect, StatusTextWithoutAFullProbeReplyGivesNoRecord) {
  const auto status = StatusDatagram("MDL:LP-1;" + test::ExtStatus(0, {1}));
  NicAnswer noActivity;
  noActivity.activity = -1;
  NicAnswer noPort;
  noPort.port = -1;
  const auto list = Collect({From(1, 1, status), From(1, 2, status), From(1, 2, ProbeReply(noActivity)),
                             From(1, 3, ProbeReply(noPort)), From(1, 3, status),
                             From(1, 4, ProbeReply(noPort))});
  ASSERT_EQ(list->count, 1u);  // only the NIC without a status text
  EXPECT_STREQ(list->records[0].mac, "00:80:00:00:00:04");
}

TEST(IpxCollect, SummaryFromExtendedStatusAlone) {
  const auto list = Collect({From(1, 1, ProbeReply({})),
                             From(1, 1, StatusDatagram("MDL:LP-1;" + test::ExtStatus(0x10, {1, 0, 1})))});
  ASSERT_EQ(list->count, 1u);
  const PrinterPictureInfo& info = list->records[0].info;
  EXPECT_EQ(info.statusReceived, 1u);
  EXPECT_STREQ(info.model, "LP-1");
  EXPECT_EQ(info.extStatusValid, 1u);
  EXPECT_EQ(info.extAlarmBits, 0x10u);
  EXPECT_EQ(info.advInfoValid, 0u);
  EXPECT_EQ(info.paperSource, 1);
  EXPECT_EQ(info.family, 2);
  EXPECT_EQ(SourceFlags(info), "1010");
  EXPECT_EQ(info.pictureFlags[7], 0u);
  EXPECT_EQ(info.pictureFlags[11], 0u);
}

// With both blocks the paper sources are ADVINF's alone; without EXTSTS
// none are shown, though the units and the option byte are.
TEST(IpxCollect, SummaryWithAdvancedInfo) {
  const auto both = Collect({From(1, 1, ProbeReply({})),
                             From(1, 1, StatusDatagram(test::ExtStatus(0, {1, 0, 1}) +
                                                       test::AdvInfo(0x20, {0, 1, 0})))});
  ASSERT_EQ(both->count, 1u);
  EXPECT_EQ(both->records[0].info.advInfoValid, 1u);
  EXPECT_EQ(both->records[0].info.advAlarmBits, 0x20u);
  EXPECT_EQ(both->records[0].info.paperSource, 2);
  EXPECT_EQ(SourceFlags(both->records[0].info), "0100");
  EXPECT_EQ(both->records[0].info.pictureFlags[11], 1u);
  EXPECT_EQ(both->records[0].info.pictureFlags[7], 1u);

  const auto advOnly = Collect(
      {From(1, 1, ProbeReply({})), From(1, 1, StatusDatagram(test::AdvInfo(0, {1, 1})))});
  ASSERT_EQ(advOnly->count, 1u);
  EXPECT_EQ(advOnly->records[0].info.extStatusValid, 0u);
  EXPECT_EQ(SourceFlags(advOnly->records[0].info), "0000");
  EXPECT_EQ(advOnly->records[0].info.pictureFlags[11], 1u);
  EXPECT_EQ(advOnly->records[0].info.family, -1);
}

std::unique_ptr<TransactionBlock> Single(const std::vector<ReceivedDatagram>& received, bool& ok) {
  auto block = std::make_unique<TransactionBlock>();
  ok = CollectSingle(received, *block);
  return block;
}

std::vector<std::uint8_t> ExtProbeReply(const char* text) {
  ExtendedTextRecord record;
  SetExtendedText(record, text);
  auto out = BuildAttributeRequest(Transport::Ipx, FrameKind::ExtSetRequest, record, 0);
  out[0] = 'h';
  out[1] = 'b';
  out[2] = 'm';
  out[3] = 0x06;
  return out;
}

TEST(IpxSingle, ReadTakesTheFirstResponderAndChecksTheDescription) {
  bool ok = false;
  auto block = Single({From(1, 1, ProbeReply({})), From(1, 1, StatusDatagram("MDL:LP-1;")),
                       From(1, 1, ExtProbeReply("long name")), From(1, 2, {'c', 'f', 'm'})},
                      ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(block->attrReplied, 1u);
  EXPECT_EQ(block->statusReceived, 1u);
  EXPECT_STREQ(block->status.mdl, "LP-1");
  EXPECT_EQ(block->extReplied, 1u);
  char text[256] = {};
  EXPECT_TRUE(GetExtendedText(block->extendedText, text, sizeof text));
  EXPECT_STREQ(text, "long name");

  NicAnswer other;
  other.description = "OTHER MAKER";
  block = Single({From(1, 1, ProbeReply(other))}, ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(block->attrReplied, 0u);

  NicAnswer silent;
  silent.description = nullptr;
  Single({From(1, 1, ProbeReply(silent))}, ok);
  EXPECT_TRUE(ok);

  // A later NIC does not rescue a first one that only sent its status.
  Single({From(1, 1, StatusDatagram("MDL:X;")), From(1, 2, ProbeReply({}))}, ok);
  EXPECT_FALSE(ok);
  Single({}, ok);
  EXPECT_FALSE(ok);
}

TEST(IpxSingle, WriteSucceedsOnAnySetReply) {
  bool ok = false;
  Single({From(1, 1, {'c', 'f', 'm', 1})}, ok);
  EXPECT_TRUE(ok);
  Single({From(1, 1, {'h', 'b', 'm', 7})}, ok);
  EXPECT_TRUE(ok);
}

TEST(IpxJob, StoringAndWaitingRules) {
  auto job = std::make_unique<JobData>();
  job->kind = JobKind::Read;
  job->targetCount = kReadProbePairs;
  ASSERT_TRUE(MakeAddressRecord("1", "00:80:00:00:00:01", job->targets[0]));
  ASSERT_EQ(SendCount(*job), 6u);
  EXPECT_EQ(Datagram(*job, 0)[3], 0x01);
  EXPECT_EQ(Datagram(*job, 5)[3], 0x06);
  EXPECT_EQ(Datagram(*job, 5).size(), 9u);

  const std::uint8_t network[4] = {0, 0, 0, 1};
  const std::uint8_t nic[6] = {0, 0x80, 0, 0, 0, 1};
  const std::uint8_t stranger[6] = {0, 0x80, 0, 0, 0, 2};
  const auto probe = ProbeReply({});
  EXPECT_FALSE(TakeDatagram(*job, network, stranger, probe));
  EXPECT_TRUE(TakeDatagram(*job, network, nic, probe));
  EXPECT_FALSE(HasAllAnswers(*job));
  EXPECT_TRUE(TakeDatagram(*job, network, nic, StatusDatagram("MDL:X;")));
  EXPECT_TRUE(TakeDatagram(*job, network, nic, ExtProbeReply("x")));
  EXPECT_TRUE(HasAllAnswers(*job));

  job = std::make_unique<JobData>();
  job->kind = JobKind::Write;
  job->requestCount = 2;
  EXPECT_TRUE(TakeDatagram(*job, network, stranger, std::vector<std::uint8_t>{'c', 'f', 'm'}));
  EXPECT_FALSE(HasAllAnswers(*job));
  job->requestCount = 1;
  EXPECT_TRUE(HasAllAnswers(*job));

  job = std::make_unique<JobData>();
  job->kind = JobKind::MultiTarget;
  const std::vector<std::uint8_t> big(600, 'n');
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(TakeDatagram(*job, network, nic, big));
  EXPECT_FALSE(TakeDatagram(*job, network, nic, big));
  EXPECT_EQ(job->received[0].length, 512u);
  EXPECT_FALSE(HasAllAnswers(*job));
}

}  // namespace
}  // namespace nic::ipx
