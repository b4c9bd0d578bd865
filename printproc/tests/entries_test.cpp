// The table the spooler gets, the open that needs a pool, and pause,
// resume and cancel arriving while a job is being copied.
#include <atomic>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "common/win/kernel_handle.h"
#include "common/win/testing/last_error.h"
#include "printproc/bench_window.h"
#include "printproc/tests/processor_fixture.h"

namespace printproc::test {
namespace {

using EntriesTest = ProcessorTest;

TEST_F(EntriesTest, DataTypesAreListedWithTheSizeTheyNeed) {
  Initialize();
  DWORD needed = 0;
  DWORD count = 9;
  testkit::PresetLastError();
  EXPECT_FALSE(table.enumDatatypes(nullptr, nullptr, 1, nullptr, 0, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(needed, sizeof(DATATYPES_INFO_1A) + 4);
  EXPECT_EQ(count, 0u);

  std::vector<BYTE> buffer(needed + 8, 0xEE);
  ASSERT_TRUE(table.enumDatatypes(nullptr, nullptr, 1, buffer.data(), static_cast<DWORD>(buffer.size()),
                                  &needed, &count));
  ASSERT_EQ(count, 1u);
  const auto* info = reinterpret_cast<const DATATYPES_INFO_1A*>(buffer.data());
  EXPECT_STREQ(info->pName, "RAW");
  EXPECT_EQ(reinterpret_cast<const BYTE*>(info->pName), buffer.data() + buffer.size() - 4);
  EXPECT_EQ(buffer[sizeof(DATATYPES_INFO_1A)], 0xEE);
  testkit::PresetLastError();
  EXPECT_FALSE(table.enumDatatypes(nullptr, nullptr, 2, buffer.data(), 64, &needed, &count));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_LEVEL));
}

TEST_F(EntriesTest, OpenNeedsAPoolMemberWithADriver) {
  SetPool({"Laser A"}, {}, {"Laser A"});
  EXPECT_EQ(Open(), nullptr);
  SetPool({"Laser A", "Laser B"}, {}, {"Laser A"});
  spooler->job = "data";
  const HANDLE processor = Open();
  ASSERT_NE(processor, nullptr);
  EXPECT_TRUE(Print(processor));
  EXPECT_EQ(spooler->received["Laser B"], "data");
  EXPECT_TRUE(table.close(processor));
}

TEST_F(EntriesTest, HandlesAreCheckedAndOnlyCancelGoesWithoutOne) {
  Initialize();
  struct {
    std::uint32_t signature = 0x5052;
  } stranger;
  testkit::PresetLastError();
  EXPECT_FALSE(Print(&stranger));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(table.close(&stranger));
  EXPECT_TRUE(table.control(nullptr, 3));
  EXPECT_FALSE(table.control(nullptr, 1));
  EXPECT_FALSE(table.control(&stranger, 2));

  SetPool({"Laser A"});
  const HANDLE processor = Open();
  PrintDocumentData emf{const_cast<char*>("NT EMF 1.008"), const_cast<char*>("Report"), 7, nullptr,
                        nullptr};
  testkit::PresetLastError();
  EXPECT_FALSE(table.printDocument(processor, &emf));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DATATYPE));
  EXPECT_FALSE(table.control(processor, 4));
  EXPECT_TRUE(table.close(processor));
}

TEST_F(EntriesTest, APausedJobWaitsForResumeAndACancelledOneStops) {
  SetPool({"Laser A"});
  spooler->job = JobHeaderText("PDD=0") + std::string(5 * 4096, 'j');
  const HANDLE processor = Open();
  ASSERT_NE(processor, nullptr);
  const KernelHandle paused(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  spooler->onRead = [&](int read) {
    if (read != 2) return;
    table.control(processor, 1);
    SetEvent(paused.get());
  };
  BOOL printed = FALSE;
  std::thread printing([&] { printed = Print(processor); });
  ASSERT_EQ(WaitForSingleObject(paused.get(), 10000), WAIT_OBJECT_0);
  Sleep(200);
  EXPECT_EQ(spooler->reads, 2);
  EXPECT_TRUE(table.control(processor, 2));
  printing.join();
  EXPECT_TRUE(printed);
  EXPECT_EQ(spooler->received["Laser A"], spooler->job);

  spooler->onRead = [&](int read) {
    if (read == 9) table.control(processor, 3);
  };
  printing = std::thread([&] { printed = Print(processor); });
  printing.join();
  EXPECT_TRUE(printed);
  EXPECT_EQ(spooler->reads, 9);
  EXPECT_EQ(spooler->Logged("end Laser A").size(), 2u);
  EXPECT_TRUE(table.close(processor));
}

// The benchmark tool's window, run on the printing thread's side: the
// processor's messages arrive there while the test thread pumps them.
LRESULT CALLBACK BenchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kBenchJobStarted || message == kBenchJobEnded) {
    auto* seen = reinterpret_cast<std::vector<std::pair<UINT, WPARAM>>*>(
        GetWindowLongPtrA(window, GWLP_USERDATA));
    seen->emplace_back(message, wParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(EntriesTest, TheBenchmarkWindowIsToldWhenThereIsOne) {
  SetPool({"Laser A"});
  ASSERT_TRUE(PrintJob("data", "Bench"));
  EXPECT_EQ(spooler->received["Laser A"], "data");
  EXPECT_TRUE(spooler->pages.empty());

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = BenchProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "BNCH32PRT";
  ASSERT_TRUE(RegisterClassA(&windowClass));
  HWND window = CreateWindowA("BNCH32PRT", "PRTWIN", 0, 0, 0, 10, 10, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  std::vector<std::pair<UINT, WPARAM>> seen;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
  BOOL printed = FALSE;
  std::atomic<bool> finished = false;
  std::thread printing([&] {
    printed = PrintJob("more", "Bench");
    finished = true;
  });
  while (!finished) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  printing.join();
  EXPECT_TRUE(printed);
  EXPECT_EQ(seen, (std::vector<std::pair<UINT, WPARAM>>{{0x721, 7}, {0x722, 7}}));
  DestroyWindow(window);
  UnregisterClassA("BNCH32PRT", windowClass.hInstance);
}

}  // namespace
}  // namespace printproc::test

namespace printproc::test {
namespace {

HANDLE ThrowingOpen(void*, const char*) { throw std::runtime_error("spooler gone"); }

TEST_F(EntriesTest, AThrowingSpoolerEndsTheEntryWithItsFailure) {
  SetPool({"Laser A"});
  SpoolerCalls calls = spooler->calls();
  calls.openPrinter = ThrowingOpen;
  ASSERT_TRUE(InitializeProcessor(&table, calls));
  const HANDLE processor = table.open(spooler->queue.data());
  ASSERT_NE(processor, nullptr);
  testkit::PresetLastError();
  EXPECT_FALSE(Print(processor));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INTERNAL_ERROR));
  EXPECT_TRUE(table.close(processor));
}

}  // namespace
}  // namespace printproc::test
