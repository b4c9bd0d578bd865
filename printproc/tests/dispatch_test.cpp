// Jobs of a dispatch queue through print document: where the header is
// found, which member gets the job, and that it gets all of it.
#include <random>

#include "common/win/testing/last_error.h"
#include "outside/statusmgr/store_layout.h"
#include "printproc/core/dispatch_job_info.h"
#include "printproc/tests/processor_fixture.h"

namespace printproc::test {
namespace {

using DispatchTest = ProcessorTest;

const std::string kScoredHeader = JobHeaderText("PDD=1 Duplex=0 PSize=9 PMemory=0");

std::string Pattern(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  for (char& byte : bytes) {
    if (byte == '\x1C') byte = 'x';  // no header by chance
  }
  return bytes;
}

TEST_F(DispatchTest, AJobWithoutHeaderIsHeldToTheEndAndGoesWholeToTheFirstMember) {
  SetPool({"Laser A", "Laser B"});
  Online("Laser B");
  const std::string job = Pattern(3 * 4096 + 100, 1);
  ASSERT_TRUE(PrintJob(job));
  EXPECT_EQ(spooler->received["Laser A"], job);
  EXPECT_FALSE(spooler->received.contains("Laser B"));
  // Every read, the empty last one included, before the printer is opened.
  EXPECT_EQ(spooler->Logged("read").size(), 5u);
  EXPECT_GT(spooler->FirstLogged("open Laser A"), spooler->FirstLogged("read 0"));
  EXPECT_EQ(spooler->Logged("start Laser A mode 0").size(), 1u);
  EXPECT_GT(spooler->FirstLogged("end Laser A"), spooler->FirstLogged("write Laser A"));
  EXPECT_TRUE(spooler->waits.empty());
}

TEST_F(DispatchTest, AHeaderSplitAcrossTwoPiecesIsFoundAtTheSecond) {
  SetPool({"Laser A", "Laser B"});
  Online("Laser B");
  const std::string job = Pattern(4090, 2) + kScoredHeader + Pattern(3 * 4096, 3);
  ASSERT_TRUE(PrintJob(job));
  EXPECT_EQ(spooler->received["Laser B"], job);
  // Chosen after the second piece, before the third is read.
  const int open = spooler->FirstLogged("open Laser B");
  EXPECT_LT(spooler->Logged("read").size(), 7u);
  EXPECT_EQ(std::count_if(spooler->log.begin(), spooler->log.begin() + open,
                          [](const std::string& entry) { return entry.rfind("read", 0) == 0; }),
            2);
}

TEST_F(DispatchTest, DispatchModeZeroTakesTheFirstMemberWithoutAskingAnything) {
  SetPool({"Laser A", "Laser B"});
  SetItem("Laser A", "PrinterExtStatus", Words({8}));
  Online("Laser B");
  const std::string job = JobHeaderText("PDD=0 Duplex=0 PSize=9 PMemory=0") + "data";
  ASSERT_TRUE(PrintJob(job));
  EXPECT_EQ(spooler->received["Laser A"], job);
  EXPECT_TRUE(spooler->waits.empty());
}

TEST_F(DispatchTest, EqualScoresGoToTheLowerPriorityNumberThenTheEarlierMember) {
  SetPool({"Laser A", "Laser B", "Laser C"}, {3, 2, 2});
  for (const char* member : {"Laser A", "Laser B", "Laser C"}) Online(member);
  ASSERT_TRUE(PrintJob(kScoredHeader));
  EXPECT_EQ(spooler->received.size(), 1u);
  EXPECT_TRUE(spooler->received.contains("Laser B"));
}

TEST_F(DispatchTest, AMemberReportingItselfUnusableNeverWins) {
  SetPool({"Laser A", "Laser B"}, {1, 9});
  Online("Laser A");
  SetItem("Laser A", "PrinterExtStatus", Words({8}));
  SetItem("Laser B", "CurrentStatus", Words({0, 0x1F80, 0, 1, 0, 1}));
  SetItem("Laser B", "PrinterQueue", Words({40}));
  ASSERT_TRUE(PrintJob(kScoredHeader));
  EXPECT_TRUE(spooler->received.contains("Laser B"));
  EXPECT_FALSE(spooler->received.contains("Laser A"));
  // No member above 0: every round was run, with the default wait between.
  EXPECT_EQ(spooler->waits, std::vector<DWORD>(299, 2000));
}

TEST_F(DispatchTest, RoundsWaitsAndScoreTablesComeFromTheRegistry) {
  constexpr char kKey[] = "SOFTWARE\\NRV\\Prindora\\PDD";
  ASSERT_TRUE(RegistrySandbox::SetDword(kKey, "WaitTime", 25));
  ASSERT_TRUE(RegistrySandbox::SetDword(kKey, "RetryTimes", 3));
  // A status table that favours the printer reporting bit 0x40 at offset 0.
  const Block status = [] {
    Block table = TableEntry(0, 0x40, 10, 0);
    const Block end = TableEntry(0, 0, 0, 0);
    table.insert(table.end(), end.begin(), end.end());
    return table;
  }();
  Block pair = TableEntry(0, 1, 0, 0);
  pair.resize(24, 0);
  for (const char* name : {"CurrentStatus", "PaperSize", "Duplex", "Memory"}) {
    const Block& value = std::string(name) == "CurrentStatus" ? status : pair;
    ASSERT_TRUE(RegistrySandbox::SetBinary(kKey, name, value.data(), static_cast<DWORD>(value.size())));
  }
  SetPool({"Laser A", "Laser B"});
  Online("Laser A");
  SetItem("Laser B", "CurrentStatus", Words({0x40}));
  ASSERT_TRUE(PrintJob(kScoredHeader));
  EXPECT_TRUE(spooler->received.contains("Laser B"));
  EXPECT_TRUE(spooler->waits.empty());

  spooler->Fresh();
  SetItem("Laser B", "CurrentStatus", Words({0}));
  ASSERT_TRUE(PrintJob(kScoredHeader));
  EXPECT_EQ(spooler->waits, (std::vector<DWORD>{25, 25}));
}

TEST_F(DispatchTest, DataGoesNowhereInModeTwoAndWhenThePrinterWillNotOpen) {
  SetPool({"Laser A", "Laser B"});
  ASSERT_TRUE(PrintJob(JobHeaderText("PDD=2") + "data"));
  EXPECT_TRUE(spooler->received.empty());
  EXPECT_EQ(spooler->FirstLogged("open Laser"), -1);

  spooler->Fresh();
  spooler->unopenable = {"Laser A"};
  ASSERT_TRUE(PrintJob("no header here"));
  EXPECT_TRUE(spooler->received.empty());
  EXPECT_EQ(spooler->Logged("open Laser A").size(), 10u);
  EXPECT_EQ(spooler->waits, std::vector<DWORD>(9, 300));
  EXPECT_FALSE(StoredItem("Dispatch", "DispatchJobInfo"));
}

TEST_F(DispatchTest, EveryByteReachesTheChosenPrinterWhateverThePieces) {
  SetPool({"Laser A", "Laser B"});
  Online("Laser B");
  spooler->piece = 1000;
  spooler->writeLimit = 777;
  const std::string job = Pattern(70000, 4) + kScoredHeader + Pattern(100003, 5);
  ASSERT_TRUE(PrintJob(job));
  EXPECT_EQ(spooler->received["Laser B"], job);
}

TEST_F(DispatchTest, TheStatusManagerLearnsWhereTheJobWent) {
  SetPool({"Laser A"});
  spooler->nextJobId = 4242;
  spooler->facts.user = "alice";
  ASSERT_TRUE(PrintJob("data"));
  const auto stored = StoredItem("Dispatch", "DispatchJobInfo");
  ASSERT_TRUE(stored);
  ASSERT_EQ(stored->size(), sizeof(DispatchJobInfo));
  DispatchJobInfo info;
  memcpy(&info, stored->data(), sizeof info);
  EXPECT_EQ(info.startResult, 4242u);
  EXPECT_STREQ(info.printer, "Laser A");
  EXPECT_STREQ(info.document, "Report");
  EXPECT_STREQ(info.user, "alice");
  // Every status manager handle was closed again.
  for (const char* printer : {"Dispatch", "Laser A"}) {
    EXPECT_EQ(Counter(printer, statusmgr::kOpens), 1u) << printer;
    EXPECT_EQ(Counter(printer, statusmgr::kCloses), 1u) << printer;
  }
}

// Open asks every member that joins its port and its state, once each,
// before any job is there to score.
TEST_F(DispatchTest, OpenAsksEachMemberItsPortAndItsState) {
  SetPool({"Laser A", "Laser B"});
  const HANDLE processor = Open();
  ASSERT_NE(processor, nullptr);
  for (const char* printer : {"Laser A", "Laser B"}) {
    EXPECT_EQ(Counter(printer, "Reads Port"), 1u) << printer;
    EXPECT_EQ(Counter(printer, "Reads PrinterExtStatus"), 1u) << printer;
  }
  EXPECT_TRUE(table.close(processor));
}

TEST_F(DispatchTest, ADocumentThePrinterWillNotStartFailsAfterReportingIt) {
  SetPool({"Laser A"});
  spooler->refusingDocuments = {"Laser A"};
  spooler->job = "data";
  const HANDLE processor = Open();
  ASSERT_NE(processor, nullptr);
  testkit::PresetLastError();
  EXPECT_FALSE(Print(processor));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_READY));
  EXPECT_TRUE(table.close(processor));
  const auto stored = StoredItem("Dispatch", "DispatchJobInfo");
  ASSERT_TRUE(stored);
  EXPECT_EQ((*stored)[0], 0);
  EXPECT_EQ(spooler->FirstLogged("write"), -1);
}

TEST_F(DispatchTest, TheQueueMustOpenAndStartItsJob) {
  SetPool({"Laser A"});
  spooler->job = "data";
  const HANDLE processor = Open();
  ASSERT_NE(processor, nullptr);
  spooler->queueJobId = 0;
  testkit::PresetLastError();
  EXPECT_FALSE(Print(processor));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(spooler->FirstLogged("read"), -1);
  EXPECT_EQ(spooler->Logged("start Dispatch mode 3").size(), 1u);

  spooler->unopenable = {"Dispatch"};
  EXPECT_FALSE(Print(processor));
  EXPECT_EQ(spooler->Logged("open Dispatch").size(), 11u);
  EXPECT_EQ(spooler->waits, std::vector<DWORD>(9, 1000));
  EXPECT_TRUE(table.close(processor));
}

}  // namespace
}  // namespace printproc::test
