// maintsvc.exe as its users meet it: installed and removed from the
// console, started and stopped by Wine's own service control manager,
// debugged in the console. The poll interval lives in the prefix's real
// registry, where the service process reads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/testing/program_run.h"
#include "agent/maintsvc/tests/service_fixture.h"
#include "common/dav_registry.h"
#include "common/win/kernel_handle.h"
#include "common/win/service_handle.h"

namespace {

const std::string kInstalled = "NRV Remote Maintenance Manager installed.\n";
const std::string kRemoved = "NRV Remote Maintenance Manager removed.\n";

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveServiceIfRegistered();  // left over by a test program that died
    ASSERT_TRUE(interval.Remove());
  }
  void TearDown() override { RemoveServiceIfRegistered(); }

  static ConsoleRun Maintsvc(const std::string& arguments) {
    return RunConsole("\"" + ProgramBeside("maintsvc.exe") + "\" " + arguments);
  }
  static void Install() { ASSERT_EQ(Maintsvc("-install").output, kInstalled); }

  static ServiceHandle Open() {
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    return ServiceHandle(OpenServiceA(manager.get(), "NRVRMM", SERVICE_ALL_ACCESS));
  }
  static void StartRunning() {
    const ServiceHandle service = Open();
    ASSERT_TRUE(StartServiceA(service.get(), 0, nullptr)) << GetLastError();
    ASSERT_EQ(WaitForServiceState(SERVICE_RUNNING, 10000), static_cast<DWORD>(SERVICE_RUNNING));
  }
  static SERVICE_STATUS Status() {
    SERVICE_STATUS status{};
    QueryServiceStatus(Open().get(), &status);
    return status;
  }

  RealRegistryDword interval{dav::kMailKey, dav::kServiceInterval};
};

TEST_F(ServiceTest, InstallRegistersOwnProcessDemandStartWithTheProgramPath) {
  const ConsoleRun install = Maintsvc("-install");
  EXPECT_EQ(install.output, kInstalled);
  EXPECT_EQ(install.exitCode, 0u);
  const ServiceHandle service = Open();
  ASSERT_TRUE(service);
  BYTE buffer[8192];
  DWORD needed = 0;
  ASSERT_TRUE(QueryServiceConfigA(service.get(), reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer),
                                  sizeof buffer, &needed));
  const auto& config = *reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer);
  EXPECT_EQ(config.dwServiceType, static_cast<DWORD>(SERVICE_WIN32_OWN_PROCESS));
  EXPECT_EQ(config.dwStartType, static_cast<DWORD>(SERVICE_DEMAND_START));
  EXPECT_EQ(config.dwErrorControl, static_cast<DWORD>(SERVICE_ERROR_NORMAL));
  EXPECT_STREQ(config.lpDisplayName, "NRV Remote Maintenance Manager");
  EXPECT_EQ(lstrcmpiA(config.lpBinaryPathName, ProgramBeside("maintsvc.exe").c_str()), 0)
      << config.lpBinaryPathName;
  EXPECT_STREQ(config.lpDependencies, "");
  char name[64] = {};
  DWORD nameSize = sizeof name;
  const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
  ASSERT_TRUE(GetServiceKeyNameA(manager.get(), "NRV Remote Maintenance Manager", name, &nameSize));
  EXPECT_STREQ(name, "NRVRMM");

  const std::string again = Maintsvc("-install").output;
  EXPECT_EQ(again.rfind("CreateService failed - ", 0), 0u) << again;
  EXPECT_NE(again.find(" (0x431)\n"), std::string::npos) << again;  // already exists
}

TEST_F(ServiceTest, RemoveDeletesAStoppedServiceAndComplainsWhenThereIsNone) {
  Install();
  const ConsoleRun remove = Maintsvc("-remove");
  EXPECT_EQ(remove.output, kRemoved);
  EXPECT_EQ(remove.exitCode, 0u);
  EXPECT_FALSE(Open());
  const std::string again = Maintsvc("/remove").output;
  EXPECT_EQ(again.rfind("OpenService failed - ", 0), 0u) << again;
  EXPECT_NE(again.find(" (0x424)\n"), std::string::npos) << again;  // does not exist
}

TEST_F(ServiceTest, CommandWordIgnoresCaseButNeedsItsDashOrSlash) {
  EXPECT_EQ(Maintsvc("/INSTALL").output, kInstalled);
  EXPECT_TRUE(Open());
  RemoveServiceIfRegistered();
  // Anything else is the service manager's start, which fails at once
  // outside it: silent, exit 0, nothing installed.
  for (const char* other : {"install", "-instal", ""}) {
    const ConsoleRun run = Maintsvc(other);
    EXPECT_EQ(run.output, "") << other;
    EXPECT_EQ(run.exitCode, 0u) << other;
    EXPECT_FALSE(Open()) << other;
  }
}

TEST_F(ServiceTest, StartedByTheManagerItPollsUntilStopped) {
  ASSERT_TRUE(interval.Set(500));
  Install();
  StartRunning();
  Sleep(1500);  // several polls, each followed by a wait
  const SERVICE_STATUS running = Status();
  EXPECT_EQ(running.dwCurrentState, static_cast<DWORD>(SERVICE_RUNNING));
  EXPECT_EQ(running.dwControlsAccepted, static_cast<DWORD>(SERVICE_ACCEPT_STOP));
  EXPECT_EQ(running.dwCheckPoint, 0u);

  SERVICE_STATUS status{};
  ASSERT_TRUE(ControlService(Open().get(), SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(WaitForServiceState(SERVICE_STOPPED, 5000), static_cast<DWORD>(SERVICE_STOPPED));
  EXPECT_EQ(Status().dwWin32ExitCode, 0u);
}

TEST_F(ServiceTest, RemoveStopsARunningServiceFirst) {
  ASSERT_TRUE(interval.Set(500));
  Install();
  StartRunning();
  const std::string output = Maintsvc("-remove").output;
  // Stop-pending passes within the first second; a slow stop adds dots.
  EXPECT_EQ(output.rfind("Stopping NRV Remote Maintenance Manager.", 0), 0u) << output;
  EXPECT_NE(output.find(".\nNRV Remote Maintenance Manager stopped.\n" + kRemoved), std::string::npos)
      << output;
  EXPECT_FALSE(Open());
}

TEST_F(ServiceTest, IntervalIsReadAfterEveryPollAndZeroEndsTheWork) {
  ASSERT_TRUE(interval.Set(500));
  Install();
  StartRunning();
  ASSERT_TRUE(interval.Set(0));
  EXPECT_EQ(WaitForServiceState(SERVICE_STOPPED, 5000), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_F(ServiceTest, TestMailRequestWakesTheWaitAtOnce) {
  ASSERT_TRUE(interval.Set(600000));
  Install();
  StartRunning();
  const KernelHandle request(OpenEventA(EVENT_MODIFY_STATE, FALSE, "DAV_TEST_MAIL"));
  ASSERT_TRUE(request);
  ASSERT_TRUE(SetEvent(request.get()));
  // No mail library lies beside the service: the request ends its work,
  // long before the interval would have.
  EXPECT_EQ(WaitForServiceState(SERVICE_STOPPED, 5000), static_cast<DWORD>(SERVICE_STOPPED));
}

TEST_F(ServiceTest, DebugRunsTheWorkInTheConsoleUntilCtrlC) {
  // No interval: one poll, then the work ends by itself.
  const ConsoleRun once = Maintsvc("-debug");
  EXPECT_EQ(once.output, "Debugging NRV Remote Maintenance Manager.\n");
  EXPECT_EQ(once.exitCode, 0u);

  ASSERT_TRUE(interval.Set(500));
  const ConsoleRun interrupted =
      RunConsole("\"" + ProgramBeside("maintsvc.exe") + "\" /DEBUG", 10000, 1500);
  EXPECT_EQ(interrupted.output,
            "Debugging NRV Remote Maintenance Manager.\nStopping NRV Remote Maintenance Manager.\n");
  EXPECT_EQ(interrupted.exitCode, 0u);
}

}  // namespace
