// The IPX jobs through the shell's entries, against the NetWare stand-ins
// beside the program and the simulator's NICs on the stand-ins' loopback IPX
// (ipx_network.ini; what they were sent is read from the simulator's log).
#include <winsock2.h>

#include "nicconf/ipx/ipx_jobs.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <memory>
#include <vector>

#include "common/win/testing/control_driver.h"
#include "common/win/testing/registry_sandbox.h"
#include "nicproto/attribute_frame.h"

namespace nic::ipx {
namespace {

constexpr char kSegment[] =
    "local 1A 00001B000001\n"
    "station 1A 008087000111\n"
    "station 1A 008087000112\n"
    "station 1A 008087000113\n"
    "station 1A 008087000114\n"
    "station 1A 008087000115\n"
    "station 2B 008087000221\n"
    "port 27400\n";

constexpr char kDirectory[] =
    "ACME\tOrganization\n"
    "SALES.ACME\tOrganizational Unit\n"
    "EAST.SALES.ACME\tOrganizational Unit\n"
    "LASER1.SALES.ACME\tQueue\n"
    "FS1.ACME\tNCP Server\n"
    "BRANCH.ACME\tOrganizational Unit\n"
    "WORLD\tCountry\n";

// How many datagrams of `kind` ("probe", "set", "extset") the simulator's
// NIC at this IPX address ("0000001A:008087000111") has been sent so far.
int Requests(const char* kind, const char* station) {
  const char* state = std::getenv("NICSIM_STATE");
  std::ifstream log(std::string(state != nullptr ? state : "") + "/events.log");
  int count = 0;
  for (std::string line; std::getline(log, line);) {
    std::istringstream words(line);
    std::string k, at;
    words >> k >> at;
    if (k == kind && at == station) ++count;
  }
  return count;
}

constexpr char kPrn1[] = "0000001A:008087000111";
constexpr char kWritable[] = "0000001A:008087000115";

class MessageRecorder {
 public:
  MessageCalls calls() { return {this, &Record}; }
  std::vector<int> shown;

 private:
  static void Record(void* context, MessageIcon, int, int textId) {
    static_cast<MessageRecorder*>(context)->shown.push_back(textId);
  }
};

MemoryCalls FailingMemory() {
  return {nullptr, [](void*, std::size_t) -> void* { return nullptr; }, [](void*, void*) {}};
}

void WriteFile(const std::string& path, const char* text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Polls as the folder's timer does, with a limit.
template <typename Finished>
bool WaitFor(Finished finished, DWORD limitMs = 5000) {
  const DWORD start = GetTickCount();
  while (!finished()) {
    if (GetTickCount() - start > limitMs) return false;
    Sleep(10);
  }
  return true;
}

class IpxJobs : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(folder_.path() + "\\segment.txt", kSegment);
    WriteFile(folder_.path() + "\\tree.txt", kDirectory);
    SetEnvironmentVariableA("NWIPX_SEGMENT", (folder_.path() + "\\segment.txt").c_str());
    SetEnvironmentVariableA("NWDS_TREE", (folder_.path() + "\\tree.txt").c_str());
    ASSERT_NE(std::getenv("NICSIM_STATE"), nullptr) << "run under the ipx_network fixture";
    ASSERT_TRUE(StartIpx(messages_.calls()));
  }
  void TearDown() override { StopIpx(); }

  const ResultList& SearchResults(const char* network, std::uint32_t timeoutMs = 300) {
    EXPECT_TRUE(StartIpxSearch(timeoutMs, network));
    EXPECT_TRUE(WaitFor(IsIpxPollFinished));
    static const ResultList none{};
    return IpxResults() != nullptr ? *IpxResults() : none;
  }

  TemporaryFolder folder_;
  MessageRecorder messages_;
};

const Result* Named(const ResultList& list, const char* mac) {
  return FindResult(list, list.count > 0 ? list.records[0].network : "", mac);
}

TEST_F(IpxJobs, StartReadsTheLocalNetwork) {
  EXPECT_TRUE(IpxAvailable());
  EXPECT_STREQ(IpxLocalNetwork(), "0000001A");
}

TEST_F(IpxJobs, SearchFindsTheNicsOfItsNetworkOnce) {
  const int probes = Requests("probe", kPrn1);
  const ResultList& local = SearchResults(nullptr);
  // The one answering every probe twice is one record; the silent one none.
  ASSERT_EQ(local.count, 4u);
  const Result* first = Named(local, "00:80:87:00:01:11");
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first->network, "0000001A");
  EXPECT_STREQ(first->ip, "127.0.20.11");
  EXPECT_STREQ(first->nicStatus, "1.23X");
  EXPECT_STREQ(first->name, "PRN1");
  EXPECT_EQ(first->info.attrReceived, 1u);
  EXPECT_EQ(first->info.statusReceived, 1u);
  EXPECT_STREQ(first->info.model, "LP-1");
  EXPECT_EQ(first->info.extStatusValid, 1u);
  EXPECT_NE(Named(local, "00:80:87:00:01:12"), nullptr);
  EXPECT_NE(Named(local, "00:80:87:00:01:13"), nullptr);  // a search takes every maker
  EXPECT_EQ(Named(local, "00:80:87:00:01:14"), nullptr);
  EXPECT_EQ(Named(local, "00:80:87:00:02:21"), nullptr);
  EXPECT_EQ(Requests("probe", kPrn1) - probes, 5);  // five broadcasts

  const ResultList& remote = SearchResults("2b");
  ASSERT_EQ(remote.count, 1u);
  EXPECT_STREQ(remote.records[0].name, "REMOTE");
  EXPECT_STREQ(remote.records[0].network, "0000002B");

  EXPECT_FALSE(StartIpxSearch(300, "2X"));
}

TEST_F(IpxJobs, SearchWithNoAnswerEndsOneTimeOutAfter) {
  const DWORD start = GetTickCount();
  ASSERT_TRUE(StartIpxSearch(300, "3C"));
  ASSERT_TRUE(WaitFor(IsIpxPollFinished));
  const DWORD elapsed = GetTickCount() - start;
  EXPECT_GE(elapsed, 280u);
  EXPECT_LT(elapsed, 1500u);
  ASSERT_NE(IpxResults(), nullptr);
  EXPECT_EQ(IpxResults()->count, 0u);
}

TEST_F(IpxJobs, PollFindsItsPrintersAndClearsTheFlagsOfOthers) {
  EXPECT_TRUE(StartIpxPoll(300, nullptr, 0));  // no thread: finished at once
  EXPECT_TRUE(IsIpxPollFinished());

  const Target targets[] = {{"1A", "00:80:87:00:01:11"}, {"2B", "00:80:87:00:02:21"},
                            {"1A", "00:80:87:00:01:77"}};
  ASSERT_TRUE(StartIpxPoll(300, targets, 3));
  ASSERT_TRUE(WaitFor(IsIpxPollFinished));
  Result result{};
  ASSERT_TRUE(FindIpxResult("0000002B", "00:80:87:00:02:21", result));
  EXPECT_EQ(result.info.attrReceived, 1u);
  EXPECT_STREQ(result.name, "REMOTE");
  result.info.statusReceived = result.info.extStatusValid = result.info.advInfoValid = 1;
  std::strcpy(result.name, "kept");
  ASSERT_TRUE(FindIpxResult("1A", "00:80:87:00:01:77", result));
  EXPECT_EQ(result.info.attrReceived, 0u);
  EXPECT_EQ(result.info.statusReceived, 0u);
  EXPECT_EQ(result.info.extStatusValid, 0u);
  EXPECT_EQ(result.info.advInfoValid, 0u);
  EXPECT_STREQ(result.name, "kept");

  // A mistyped address refuses the poll; so do more than 100 printers.
  const Target bad[] = {{"1A", "00:80:87:00:01:11"}, {"1A", "00:80:87:00:01:1G"}};
  EXPECT_FALSE(StartIpxPoll(300, bad, 2));
  std::vector<Target> many(101, targets[0]);
  EXPECT_FALSE(StartIpxPoll(300, many.data(), many.size()));
}

TEST_F(IpxJobs, ReadGivesAttributesStatusAndExtendedText) {
  const DWORD start = GetTickCount();
  ASSERT_TRUE(StartIpxRead(3000, "1A", "00:80:87:00:01:11"));
  ASSERT_TRUE(WaitFor(IsIpxSingleFinished));
  EXPECT_LT(GetTickCount() - start, 2000u);  // ends once all three answers are in
  auto block = std::make_unique<TransactionBlock>();
  ASSERT_TRUE(CollectIpxSingle(*block));
  char text[256] = {};
  EXPECT_TRUE(GetTextAttribute(block->attributes, tag::kName, text, sizeof text));
  EXPECT_STREQ(text, "PRN1");
  EXPECT_TRUE(GetIpAttribute(block->attributes, tag::kIpAddress, text, sizeof text));
  EXPECT_STREQ(text, "127.0.20.11");
  EXPECT_EQ(block->statusReceived, 1u);
  EXPECT_STREQ(block->status.mdl, "LP-1");
  ASSERT_EQ(block->extReplied, 1u);
  EXPECT_TRUE(GetExtendedText(block->extendedText, text, sizeof text));
  EXPECT_STREQ(text, "long printer name");

  // Another maker's NIC answers, and still the read fails.
  ASSERT_TRUE(StartIpxRead(300, "1A", "00:80:87:00:01:13"));
  block = std::make_unique<TransactionBlock>();
  EXPECT_FALSE(CollectIpxSingle(*block));
  EXPECT_EQ(block->attrReplied, 0u);
  EXPECT_FALSE(StartIpxRead(300, "1A", "00:80:87:00:01:1G"));
}

WriteRequest Request(const char* mac, const std::vector<std::uint8_t>& datagram) {
  WriteRequest r{};
  std::strcpy(r.network, "1A");
  std::strcpy(r.node, mac);
  std::memcpy(r.datagram, datagram.data(), datagram.size());
  r.length = static_cast<std::uint32_t>(datagram.size());
  return r;
}

TEST_F(IpxJobs, WriteEndsWhenItsRepliesHaveArrived) {
  AttributeRecord record;
  SetTextAttribute(record, tag::kName, "RENAMED");
  ExtendedTextRecord extended;
  SetExtendedText(extended, "new long name");
  const int sets = Requests("set", kWritable);
  const int extSets = Requests("extset", kWritable);
  const WriteRequest one[] = {
      Request("008087000115", BuildAttributeRequest(Transport::Ipx, FrameKind::SetRequest, record, 0))};
  DWORD start = GetTickCount();
  ASSERT_TRUE(StartIpxWrite(1, one, 3000));
  auto block = std::make_unique<TransactionBlock>();
  EXPECT_TRUE(CollectIpxSingle(*block));
  EXPECT_LT(GetTickCount() - start, 2000u);
  EXPECT_EQ(Requests("set", kWritable) - sets, 1);

  const WriteRequest two[] = {
      one[0], Request("008087000115", BuildAttributeRequest(Transport::Ipx, FrameKind::ExtSetRequest,
                                                            extended, 0))};
  start = GetTickCount();
  ASSERT_TRUE(StartIpxWrite(2, two, 3000));
  EXPECT_TRUE(CollectIpxSingle(*block));
  EXPECT_LT(GetTickCount() - start, 2000u);
  EXPECT_EQ(Requests("set", kWritable) - sets, 2);
  EXPECT_EQ(Requests("extset", kWritable) - extSets, 1);

  // The NIC holds what was written.
  ASSERT_TRUE(StartIpxRead(3000, "1A", "00:80:87:00:01:15"));
  ASSERT_TRUE(CollectIpxSingle(*block));
  char text[256] = {};
  EXPECT_TRUE(GetTextAttribute(block->attributes, tag::kName, text, sizeof text));
  EXPECT_STREQ(text, "RENAMED");
  EXPECT_TRUE(GetExtendedText(block->extendedText, text, sizeof text));
  EXPECT_STREQ(text, "new long name");

  WriteRequest tooLong = one[0];
  tooLong.length = kMaxDatagram + 1;
  EXPECT_FALSE(StartIpxWrite(1, &tooLong, 300));
  EXPECT_FALSE(StartIpxWrite(3, two, 300));
  WriteRequest badNode = one[0];
  std::strcpy(badNode.node, "00:80:87:00:01:1X");
  EXPECT_FALSE(StartIpxWrite(1, &badNode, 300));
}

TEST_F(IpxJobs, ASecondSingleJobStartsNothing) {
  const int sets = Requests("set", kWritable);
  const int probes = Requests("probe", kPrn1);
  ASSERT_TRUE(StartIpxRead(400, "1A", "00:80:87:00:01:99"));  // nobody answers
  AttributeRecord record;
  SetTextAttribute(record, tag::kName, "NEVER");
  const WriteRequest write =
      Request("008087000115", BuildAttributeRequest(Transport::Ipx, FrameKind::SetRequest, record, 0));
  EXPECT_TRUE(StartIpxWrite(1, &write, 300));
  EXPECT_TRUE(StartIpxRead(300, "1A", "00:80:87:00:01:11"));
  EXPECT_FALSE(IsIpxSingleFinished());
  WaitIpxSingle();
  EXPECT_TRUE(IsIpxSingleFinished());
  EXPECT_EQ(Requests("set", kWritable), sets);
  EXPECT_EQ(Requests("probe", kPrn1), probes);
  auto block = std::make_unique<TransactionBlock>();
  EXPECT_FALSE(CollectIpxSingle(*block));  // freed by the wait
}

TEST_F(IpxJobs, StopWaitsForRunningJobs) {
  ASSERT_TRUE(StartIpxSearch(1000, "3C"));
  ASSERT_TRUE(StartIpxRead(1000, "1A", "00:80:87:00:01:99"));
  const DWORD start = GetTickCount();
  StopIpx();
  EXPECT_LT(GetTickCount() - start, 2500u);
  EXPECT_FALSE(IpxAvailable());
  EXPECT_FALSE(StartIpxSearch(300, nullptr));
  ASSERT_TRUE(StartIpx(messages_.calls()));  // and the socket can be opened again
}

HWND MakeTree() {
  InitCommonControls();
  return CreateWindowExA(0, WC_TREEVIEWA, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 300, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

TEST_F(IpxJobs, ContextTreeFromTheDirectory) {
  HWND tree = MakeTree();
  ASSERT_NE(tree, nullptr);
  ASSERT_TRUE(FillContextTree(GetModuleHandleA(nullptr), tree, nullptr, TVI_ROOT));
  const auto items = testkit::TreeItems(tree);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].text, L"[Root]");
  EXPECT_EQ(items[0].image, 0);
  ASSERT_EQ(items[0].children.size(), 2u);  // sorted; a top-level object is listed whatever it is
  EXPECT_EQ(items[0].children[0].text, L"ACME");
  EXPECT_EQ(items[0].children[0].image, 1);
  EXPECT_EQ(items[0].children[1].text, L"WORLD");
  const auto& acme = items[0].children[0].children;
  ASSERT_EQ(acme.size(), 2u);  // the server is not descended into
  EXPECT_EQ(acme[0].text, L"BRANCH");
  EXPECT_EQ(acme[1].text, L"SALES");
  ASSERT_EQ(acme[1].children.size(), 1u);
  EXPECT_EQ(acme[1].children[0].text, L"EAST");
  DestroyWindow(tree);

  tree = MakeTree();
  ASSERT_TRUE(FillContextTree(GetModuleHandleA(nullptr), tree, "SALES.ACME", TVI_ROOT));
  const auto sales = testkit::TreeItems(tree);
  ASSERT_EQ(sales.size(), 1u);
  EXPECT_EQ(sales[0].text, L"SALES");
  ASSERT_EQ(sales[0].children.size(), 1u);  // the queue is a leaf, EAST the unit
  EXPECT_EQ(sales[0].children[0].text, L"EAST");
  // Without the three bitmaps nothing is listed.
  EXPECT_FALSE(FillContextTree(GetModuleHandleA("kernel32.dll"), tree, nullptr, TVI_ROOT));
  DestroyWindow(tree);
}

TEST_F(IpxJobs, AllocationFailureShowsItsMessageAndStartsNothing) {
  StopIpx();
  const int probes = Requests("probe", kPrn1);
  ASSERT_TRUE(StartIpx(messages_.calls(), FailingMemory()));
  EXPECT_FALSE(StartIpxSearch(300, nullptr));
  EXPECT_FALSE(StartIpxRead(300, "1A", "00:80:87:00:01:11"));
  EXPECT_EQ(messages_.shown, (std::vector<int>{kMessageAllocationFailed, kMessageAllocationFailed}));
  EXPECT_TRUE(IsIpxPollFinished());
  EXPECT_TRUE(IsIpxSingleFinished());
  EXPECT_EQ(Requests("probe", kPrn1), probes);
}

}  // namespace
}  // namespace nic::ipx
