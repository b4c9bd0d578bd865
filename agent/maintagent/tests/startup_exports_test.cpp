// The four entries of maintagent.exe. The test program links their source;
// tuning values come from its own registry, and each test starts with
// nothing cached, as a fresh load of the program would.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <new>
#include <thread>

#include "agent/maintagent/startup_exports.h"
#include "common/dav_registry.h"
#include "common/win/kernel_handle.h"
#include "common/win/library.h"
#include "common/win/registry_key.h"
#include "common/win/testing/program_run.h"
#include "common/win/testing/last_error.h"
#include "common/win/testing/registry_sandbox.h"

namespace {

constexpr char kStartUpMutex[] = "SDB95Mutex";
constexpr char kThreadMutex[] = "CTIMutex";

using ThreadEntry = decltype(&CreateThreadInterval);

void SetTuning(const char* name, DWORD value) {
  ASSERT_TRUE(RegistrySandbox::SetDword(dav::kProductKey, name, value));
}

DWORD Since(DWORD started) { return GetTickCount() - started; }

// A thread that notes when it first ran and ends with 7.
DWORD WINAPI NoteStart(void* ranAt) {
  static_cast<std::atomic<DWORD>*>(ranAt)->store(GetTickCount());
  return 7;
}

class StartUpExportsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox.ready());
    maintagent::ForgetStartUpTuning();
  }

  // The thread of one call, run to its end; when it first ran, counted
  // from just before the call.
  struct PacedThread {
    DWORD callMs = 0;
    DWORD ranAfterMs = 0;
    DWORD exitCode = 0;
  };
  static PacedThread Pace(ThreadEntry entry) {
    std::atomic<DWORD> ranAt{0};
    DWORD id = 0;
    PacedThread paced;
    const DWORD started = GetTickCount();
    const KernelHandle thread(entry(nullptr, 0, NoteStart, &ranAt, 0, &id));
    paced.callMs = Since(started);
    EXPECT_TRUE(thread);
    EXPECT_EQ(id, GetThreadId(thread.get()));
    EXPECT_EQ(WaitForSingleObject(thread.get(), 5000), WAIT_OBJECT_0);
    GetExitCodeThread(thread.get(), &paced.exitCode);
    paced.ranAfterMs = ranAt.load() - started;
    return paced;
  }

  RegistrySandbox sandbox;
};

TEST(ProgramExportsTest, TheProgramExportsItsFourEntriesByName) {
  const Library program(
      LoadLibraryExA(ProgramBeside("maintagent.exe").c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES));
  ASSERT_TRUE(program) << GetLastError();
  for (const char* name :
       {"ServiceStartUpDelay", "WaitForSDB", "CreateThreadInterval", "CreateThreadInterval2"}) {
    EXPECT_NE(program.Find<void*>(name), nullptr) << name;
  }
}

TEST_F(StartUpExportsTest, ServiceStartUpDelaySleepsThenCreatesTheStartUpMutexUnowned) {
  SetTuning("InitializeDelay", 300);
  const DWORD started = GetTickCount();
  const HANDLE created = ServiceStartUpDelay();
  EXPECT_GE(Since(started), 250u);
  ASSERT_NE(created, nullptr);
  const KernelHandle kept(created);
  const KernelHandle found(OpenMutexA(SYNCHRONIZE, FALSE, kStartUpMutex));
  ASSERT_TRUE(found);
  DWORD taken = WAIT_FAILED;
  std::thread([&] {
    taken = WaitForSingleObject(found.get(), 0);
    ReleaseMutex(found.get());
  }).join();
  EXPECT_EQ(taken, WAIT_OBJECT_0);
}

TEST_F(StartUpExportsTest, TuningValuesAreReadOnceAndThenCached) {
  SetTuning("InitializeDelay", 0);
  const KernelHandle first(ServiceStartUpDelay());
  SetTuning("InitializeDelay", 5000);
  const DWORD started = GetTickCount();
  const KernelHandle second(ServiceStartUpDelay());
  EXPECT_LT(Since(started), 1000u);
  EXPECT_TRUE(first);
  EXPECT_TRUE(second);
}

TEST_F(StartUpExportsTest, WaitForSDBLooksOnceASecondUntilItsTimeOut) {
  ASSERT_FALSE(KernelHandle(OpenMutexA(SYNCHRONIZE, FALSE, kStartUpMutex)));
  SetTuning("StartUpWaitTimeout", 1500);
  const DWORD started = GetTickCount();
  EXPECT_FALSE(WaitForSDB());
  // Looks at 0, 1 and 2 seconds; the look after the time-out gives up.
  EXPECT_GE(Since(started), 1900u);
  EXPECT_LT(Since(started), 3000u);
}

TEST_F(StartUpExportsTest, CreateThreadIntervalPausesWithTheThreadRunning) {
  SetTuning("CreateThreadInterval", 300);
  SetTuning("CTIFlag", 0);
  const PacedThread paced = Pace(CreateThreadInterval);
  EXPECT_GE(paced.callMs, 250u);
  EXPECT_LT(paced.ranAfterMs, 150u);
  EXPECT_EQ(paced.exitCode, 7u);
}

TEST_F(StartUpExportsTest, FlagBit1HoldsTheThreadSuspendedThroughThePause) {
  SetTuning("CreateThreadInterval", 300);
  SetTuning("CTIFlag", 2);
  const PacedThread paced = Pace(CreateThreadInterval);
  EXPECT_GE(paced.callMs, 250u);
  EXPECT_GE(paced.ranAfterMs, 250u);
  EXPECT_EQ(paced.exitCode, 7u);
}

TEST_F(StartUpExportsTest, ACallerAskingForASuspendedThreadGetsItSuspended) {
  SetTuning("CreateThreadInterval2", 0);
  SetTuning("CTIFlag", 2);
  std::atomic<DWORD> ranAt{0};
  const KernelHandle thread(
      CreateThreadInterval2(nullptr, 0, NoteStart, &ranAt, CREATE_SUSPENDED, nullptr));
  ASSERT_TRUE(thread);
  EXPECT_EQ(WaitForSingleObject(thread.get(), 300), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(ranAt.load(), 0u);
  EXPECT_EQ(ResumeThread(thread.get()), 1u);
  EXPECT_EQ(WaitForSingleObject(thread.get(), 5000), WAIT_OBJECT_0);
}

TEST_F(StartUpExportsTest, TheSecondEntryPausesByItsOwnValue) {
  SetTuning("CreateThreadInterval", 0);
  SetTuning("CreateThreadInterval2", 300);
  SetTuning("CTIFlag", 0);
  EXPECT_LT(Pace(CreateThreadInterval).callMs, 200u);
  EXPECT_GE(Pace(CreateThreadInterval2).callMs, 250u);
}

// Whether a call returns while this thread owns "CTIMutex".
bool ReturnsWhileTheThreadMutexIsHeld(ThreadEntry entry) {
  const KernelHandle held(CreateMutexA(nullptr, TRUE, kThreadMutex));
  EXPECT_TRUE(held);
  std::atomic<bool> returned{false};
  std::thread caller([&] {
    std::atomic<DWORD> ranAt{0};
    const KernelHandle thread(entry(nullptr, 0, NoteStart, &ranAt, 0, nullptr));
    returned = true;
  });
  Sleep(400);
  const bool early = returned;
  ReleaseMutex(held.get());
  caller.join();
  EXPECT_TRUE(returned);
  // The call gives the mutex back: this thread takes it at once.
  EXPECT_EQ(WaitForSingleObject(held.get(), 0), WAIT_OBJECT_0);
  ReleaseMutex(held.get());
  return early;
}

TEST_F(StartUpExportsTest, FlagBit0SerialisesCallersOnTheThreadMutex) {
  SetTuning("CreateThreadInterval", 0);
  SetTuning("CTIFlag", 1);
  EXPECT_FALSE(ReturnsWhileTheThreadMutexIsHeld(CreateThreadInterval));
}

TEST_F(StartUpExportsTest, WithoutFlagBit0TheThreadMutexIsNotWaitedFor) {
  SetTuning("CreateThreadInterval2", 0);
  SetTuning("CTIFlag", 2);
  EXPECT_TRUE(ReturnsWhileTheThreadMutexIsHeld(CreateThreadInterval2));
}

TEST_F(StartUpExportsTest, MissingValuesAreWrittenWithTheirDefaults) {
  ASSERT_TRUE(RegistrySandbox::SetString(dav::kProductKey, "Other", "kept"));
  const PacedThread paced = Pace(CreateThreadInterval);
  EXPECT_GE(paced.callMs, 30u);  // 50 ms, seen through a coarse tick
  EXPECT_GE(paced.ranAfterMs, 30u);  // held suspended: flag 3
  Pace(CreateThreadInterval2);
  const struct {
    const char* name;
    DWORD value;
  } defaults[] = {{"CreateThreadInterval", 50}, {"CreateThreadInterval2", 10}, {"CTIFlag", 3}};
  for (const auto& expected : defaults) {
    DWORD value = 0;
    EXPECT_TRUE(RegistrySandbox::GetDword(dav::kProductKey, expected.name, value)) << expected.name;
    EXPECT_EQ(value, expected.value) << expected.name;
  }
}

TEST_F(StartUpExportsTest, WithoutTheProductKeyDefaultsApplyAndNothingIsWritten) {
  const PacedThread paced = Pace(CreateThreadInterval);
  EXPECT_GE(paced.callMs, 30u);
  EXPECT_GE(paced.ranAfterMs, 30u);
  EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kProductKey, KEY_READ));
}

}  // namespace

namespace {

HANDLE NoThreads(void*, SECURITY_ATTRIBUTES*, SIZE_T, LPTHREAD_START_ROUTINE, void*, DWORD, DWORD*) {
  throw std::bad_alloc();
}

TEST_F(StartUpExportsTest, AThrowingSeamEndsThePacedStartWithNullAndTheMutexFree) {
  SetTuning("CreateThreadInterval", 0);
  SetTuning("CTIFlag", 1);
  testkit::PresetLastError();
  EXPECT_EQ(maintagent::StartPacedThread(maintagent::PacedPause::First, {nullptr, NoThreads},
                                         nullptr, 0, NoteStart, nullptr, 0, nullptr),
            nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
  bool taken = false;
  std::thread other([&] {
    const KernelHandle mutex(CreateMutexA(nullptr, FALSE, kThreadMutex));
    taken = WaitForSingleObject(mutex.get(), 0) == WAIT_OBJECT_0;
    if (taken) ReleaseMutex(mutex.get());
  });
  other.join();
  EXPECT_TRUE(taken);
}

}  // namespace
