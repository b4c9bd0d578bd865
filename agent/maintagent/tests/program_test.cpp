// maintagent.exe as a process: one instance, the wait for the start-up
// mutex, the hidden window that ends the program with 0 when closed. Where
// KERNEL32 has no RegisterServiceProcess the program ends with 0 instead of
// making its window; the tests take what this KERNEL32 offers. The start-up
// time-out lives in the prefix's real registry, where the program reads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "agent/maintagent/agent_window.h"
#include "agent/maintagent/tests/agent_window_harness.h"
#include "common/dav_registry.h"
#include "common/win/kernel_handle.h"
#include "common/win/testing/program_run.h"

namespace {

constexpr char kStartUpMutex[] = "SDB95Mutex";
constexpr char kTimeout[] = "StartUpWaitTimeout";

HWND AgentWindow() { return FindWindowA(maintagent::kWindowClass, maintagent::kWindowTitle); }

bool ServiceProcessesCanRegister() {
  return GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "RegisterServiceProcess") != nullptr;
}

// One run of the program, followed until it has its window or has ended.
class AgentRun {
 public:
  AgentRun() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + ProgramBeside("maintagent.exe") + "\"";
    PROCESS_INFORMATION started{};
    // Wine now and then refuses a start right after the previous run ended
    // (ERROR_INTERNAL_ERROR); a moment later it starts.
    bool created = false;
    for (int attempt = 0; attempt < 5 && !created; ++attempt) {
      if (attempt > 0) Sleep(200);
      created = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &started) != FALSE;
    }
    if (!created) {
      ADD_FAILURE() << "maintagent.exe did not start: " << GetLastError();
      return;
    }
    const DWORD start = GetTickCount();
    process_ = KernelHandle(started.hProcess);
    const KernelHandle thread(started.hThread);
    while (!ended() && (window_ = AgentWindow()) == nullptr && GetTickCount() - start < 20000) {
      Sleep(20);
    }
    cameAt_ = GetTickCount();
    cameMs_ = cameAt_ - start;
  }
  ~AgentRun() {
    if (process_ && !ended()) TerminateProcess(process_.get(), 1);
  }
  AgentRun(const AgentRun&) = delete;
  AgentRun& operator=(const AgentRun&) = delete;

  HWND window() const { return window_; }
  DWORD cameMs() const { return cameMs_; }  // until the window came or the program ended
  DWORD cameAt() const { return cameAt_; }  // the tick count then
  bool ended() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }

  // The exit code once ended within the limit, else STILL_ACTIVE.
  DWORD ExitCode(DWORD limitMs = 5000) const {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.get(), limitMs) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_.get(), &code);
    }
    return code;
  }

 private:
  KernelHandle process_;
  HWND window_ = nullptr;
  DWORD cameMs_ = 0;
  DWORD cameAt_ = 0;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(KernelHandle(OpenMutexA(SYNCHRONIZE, FALSE, kStartUpMutex)));
    ASSERT_EQ(AgentWindow(), nullptr);
  }

  // The window when this KERNEL32 lets the program stay, else its end
  // with 0 and no window.
  static void ExpectWindowOrQuietEnd(AgentRun& run) {
    if (ServiceProcessesCanRegister()) {
      ASSERT_NE(run.window(), nullptr);
      EXPECT_FALSE(IsWindowVisible(run.window()));
      PostMessageA(run.window(), WM_CLOSE, 0, 0);
    } else {
      EXPECT_EQ(run.window(), nullptr);
    }
    EXPECT_EQ(run.ExitCode(), 0u);
  }

  RealRegistryDword timeout{dav::kProductKey, kTimeout};
};

TEST_F(ProgramTest, WithTheStartUpMutexThereItComesUpAtOnceAndClosingEndsItWithZero) {
  ASSERT_TRUE(timeout.Set(10000));
  const KernelHandle mutex(CreateMutexA(nullptr, FALSE, kStartUpMutex));
  AgentRun run;
  EXPECT_LT(run.cameMs(), 3000u);
  ExpectWindowOrQuietEnd(run);
}

TEST_F(ProgramTest, ItWaitsForTheStartUpMutexFirst) {
  ASSERT_TRUE(timeout.Set(10000));
  KernelHandle mutex;
  DWORD createdAt = 0;
  std::thread creator([&] {
    Sleep(1500);
    mutex = KernelHandle(CreateMutexA(nullptr, FALSE, kStartUpMutex));
    createdAt = GetTickCount();
  });
  AgentRun run;
  creator.join();
  // Measured against the mutex itself: the program's start is counted only
  // once CreateProcess has returned, some time after the creator began.
  EXPECT_GE(static_cast<LONG>(run.cameAt() - createdAt), -20) << "came before the mutex existed";
  EXPECT_LT(run.cameMs(), 4500u);
  ExpectWindowOrQuietEnd(run);
}

TEST_F(ProgramTest, ItStopsWaitingAfterTheTimeOutAndGoesOn) {
  ASSERT_TRUE(timeout.Set(1000));
  AgentRun run;
  EXPECT_GE(run.cameMs(), 1000u);
  EXPECT_LT(run.cameMs(), 4500u);
  ExpectWindowOrQuietEnd(run);
}

TEST_F(ProgramTest, ThePrivateCloseMessageEndsItWithZero) {
  if (!ServiceProcessesCanRegister()) GTEST_SKIP() << "this KERNEL32 lets no program stay";
  const KernelHandle mutex(CreateMutexA(nullptr, FALSE, kStartUpMutex));
  AgentRun run;
  ASSERT_NE(run.window(), nullptr);
  PostMessageA(run.window(), kCloseAgent, 0, 0);
  EXPECT_EQ(run.ExitCode(), 0u);
}

TEST_F(ProgramTest, AMissingTimeOutIsWrittenWithItsDefault) {
  RealRegistryDword other(dav::kProductKey, "CTIFlag");  // makes the key exist
  ASSERT_TRUE(other.Set(3));
  ASSERT_TRUE(timeout.Remove());
  const KernelHandle mutex(CreateMutexA(nullptr, FALSE, kStartUpMutex));
  AgentRun run;
  ExpectWindowOrQuietEnd(run);
  DWORD value = 0;
  DWORD size = sizeof value;
  EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, dav::kProductKey, kTimeout, RRF_RT_REG_DWORD, nullptr,
                         &value, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 30000u);
}

TEST_F(ProgramTest, ASecondStartEndsAtOnceWhileTheFirstWindowExists) {
  // Without the window it would wait ten seconds for the start-up mutex.
  ASSERT_TRUE(timeout.Set(10000));
  AgentWindowHarness first;
  ASSERT_TRUE(first.alive());
  AgentRun run;  // finds the first window at once
  EXPECT_EQ(run.ExitCode(3000), 0u);
}

}  // namespace
