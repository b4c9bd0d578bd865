// portmon95.dll as the 95 spooler meets it: InitializeMonitorEx with an ANSI
// registry root fills the ANSI table, and collated copies go through a real
// temporary file to the simulated printers' print sinks.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "common/win/testing/last_error.h"
#include "platform/tick.h"
#include "portmon/testing/driver_job.h"
#include "portmon/testing/job_test_support.h"
#include "common/win/kernel_handle.h"
#include "common/win/library.h"
#include "common/win/registry_key.h"
#include "common/win/testing/dialog_driver.h"
#include "portmon/win95/monitor_table.h"

namespace portmon::test {
namespace {

using namespace testkit;

constexpr DWORD kCancelJob = 7;
constexpr DWORD kDeviceId = 17;
constexpr DWORD kNicStatus = 300;
constexpr DWORD kDeviceIdIoctl = 0x0016000C;
constexpr wchar_t kCaption[] = L"NRV TCP/IP Printing System";

using InitializeFunction = BOOL(WINAPI*)(LPSTR, AnsiMonitorTable*);

// The collation files in the temporary folder.
std::set<std::string> CollationFiles() {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, folder);
  std::set<std::string> names;
  WIN32_FIND_DATAA found{};
  const FindHandle search(FindFirstFileA((std::string(folder) + "ppr*.tmp").c_str(), &found));
  if (!search) return names;
  do {
    names.insert(std::string(folder) + found.cFileName);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

// What the printer holds from the port's connections so far, once it had
// time to read.
Bytes Received(const std::string& ip) {
  Sleep(100);
  Bytes all;
  for (const std::string& file : ConnectionFiles(ip)) Append(all, ReadFile(file));
  return all;
}

// Points the process's temporary folder elsewhere for as long as it lives.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const char* folder) {
    GetEnvironmentVariableA("TMP", saved_, sizeof saved_);
    SetEnvironmentVariableA("TMP", folder);
  }
  ~TemporaryFolder() { SetEnvironmentVariableA("TMP", saved_); }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

 private:
  char saved_[MAX_PATH + 1] = {};
};

class Win95MonitorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    root_ = "Software\\NicSuiteTests\\portmon95-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    key_ = RegistryKey::Create(HKEY_LOCAL_MACHINE, root_.c_str(), KEY_ALL_ACCESS);
    ASSERT_TRUE(key_);
  }
  void TearDown() override {
    for (HANDLE port : open_) table_.pfnClosePort(port);
    module_.reset();
    key_.reset();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, root_.c_str());
  }

  void StartMonitor(AnsiMonitorTable& table) {
    module_ = Library(LoadLibraryW(L"portmon95.dll"));
    ASSERT_TRUE(module_);
    auto initialize = module_.Find<InitializeFunction>("InitializeMonitorEx");
    ASSERT_NE(initialize, nullptr);
    ASSERT_TRUE(initialize(root_.data(), &table));
  }
  void StartMonitor() { StartMonitor(table_); }

  // A port stored as the 95 build stores an address port: its own name as
  // a string value, and its subkey.
  void StorePort(const std::string& name) {
    ASSERT_TRUE(key_.WriteString(name.c_str(), name));
    ASSERT_TRUE(RegistryKey::Create(key_.get(), name.c_str(), KEY_ALL_ACCESS));
  }

  HANDLE Open(const std::string& name) {
    StorePort(name);
    StartMonitor();
    HANDLE port = nullptr;
    EXPECT_TRUE(table_.pfnOpenPort(const_cast<char*>(name.c_str()), &port));
    open_.push_back(port);
    return port;
  }

  BOOL Ask(HANDLE port, DWORD code, void* output, DWORD size, DWORD& returned) {
    return table_.pfnGetPrinterDataFromPort(port, code, nullptr, nullptr, 0,
                                            static_cast<LPSTR>(output), size, &returned);
  }

  void Start(HANDLE port) {
    ASSERT_TRUE(table_.pfnStartDocPort(port, const_cast<char*>("collating printer"), 1, 1,
                                       nullptr));
  }
  // Every piece wholly taken.
  void Write(HANDLE port, const Bytes& data, const std::vector<std::size_t>& pieces) {
    std::size_t offset = 0;
    for (std::size_t piece : pieces) {
      DWORD written = 0;
      ASSERT_TRUE(table_.pfnWritePort(port, const_cast<BYTE*>(data.data() + offset),
                                      static_cast<DWORD>(piece), &written));
      ASSERT_EQ(written, piece);
      offset += piece;
    }
  }

  std::string root_;
  RegistryKey key_;
  Library module_;
  AnsiMonitorTable table_{};
  std::vector<HANDLE> open_;
};

TEST_F(Win95MonitorTest, FillsThe95TableInSlotOrderLeavingOpenPortExEmpty) {
  // Nothing is written past the table the 95 spooler hands in.
  struct {
    AnsiMonitorTable table;
    unsigned char beyond[64];
  } guarded;
  std::memset(&guarded, 0xCC, sizeof guarded);
  StartMonitor(guarded.table);
  for (unsigned char byte : guarded.beyond) ASSERT_EQ(byte, 0xCC);

  const AnsiMonitorTable& table = guarded.table;
  EXPECT_EQ(table.pfnOpenPortEx, nullptr);
  const void* filled[] = {
      reinterpret_cast<void*>(table.pfnEnumPorts),   reinterpret_cast<void*>(table.pfnOpenPort),
      reinterpret_cast<void*>(table.pfnStartDocPort), reinterpret_cast<void*>(table.pfnWritePort),
      reinterpret_cast<void*>(table.pfnReadPort),    reinterpret_cast<void*>(table.pfnEndDocPort),
      reinterpret_cast<void*>(table.pfnClosePort),   reinterpret_cast<void*>(table.pfnAddPort),
      reinterpret_cast<void*>(table.pfnConfigurePort), reinterpret_cast<void*>(table.pfnDeletePort),
      reinterpret_cast<void*>(table.pfnGetPrinterDataFromPort),
      reinterpret_cast<void*>(table.pfnSetPortTimeOuts)};
  for (const void* entry : filled) EXPECT_NE(entry, nullptr);
  COMMTIMEOUTS timeouts{};
  EXPECT_FALSE(table.pfnSetPortTimeOuts(nullptr, &timeouts, 0));
}

TEST_F(Win95MonitorTest, ListsItsPortsInTheAnsiCodePage) {
  StorePort("127.0.18.2");
  StorePort("プリンタ.example");
  StartMonitor();
  DWORD needed = 0;
  DWORD count = 0;
  table_.pfnEnumPorts(nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(table_.pfnEnumPorts(nullptr, 1, buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 2u);
  const auto* ports = reinterpret_cast<const PORT_INFO_1A*>(buffer.data());
  std::set<std::string> names = {ports[0].pName, ports[1].pName};
  EXPECT_EQ(names, (std::set<std::string>{"127.0.18.2", "プリンタ.example"}));
}

TEST_F(Win95MonitorTest, AddAnswersOnlyToItsOwnMonitorName) {
  StartMonitor();
  for (const char* other : {"NRV Network Port", "portmonnt3"}) {
    EXPECT_FALSE(table_.pfnAddPort(nullptr, nullptr, const_cast<char*>(other))) << other;
  }
}

TEST_F(Win95MonitorTest, AnswersItsOwnControlCodes) {
  HANDLE port = Open("127.0.18.2");
  BYTE answer[16] = {};
  DWORD returned = 0;
  ASSERT_TRUE(Ask(port, kNicStatus, answer, sizeof answer, returned));
  EXPECT_EQ(returned, 16u);
  EXPECT_EQ(std::memcmp(answer, "NRVPM\0\x04\x04" "3.10", 12), 0);

  char text[128] = {};
  ASSERT_TRUE(Ask(port, kDeviceId, text, sizeof text, returned));
  EXPECT_STREQ(text, "MFG:NRV;MDL:LP-8200;CLS:PRINTER;");
  EXPECT_FALSE(Ask(port, kDeviceIdIoctl, text, sizeof text, returned));
}

TEST_F(Win95MonitorTest, CollatedCopiesGoThroughAnUnsharedTemporaryFile) {
  HANDLE port = Open("127.0.18.3");
  const std::set<std::string> before = CollationFiles();
  const DriverJob job = ThreeHundredByteJob();
  const std::uint32_t start = platform::TickCount();
  Start(port);
  Write(port, BuildJob(job), {5, 295});

  std::set<std::string> during = CollationFiles();
  for (const std::string& name : before) during.erase(name);
  ASSERT_EQ(during.size(), 1u);
  testkit::PresetLastError();
  const FileHandle other(CreateFileA(during.begin()->c_str(), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(other);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(Received("127.0.18.3").empty()) << "sent before the job's end";

  EXPECT_TRUE(table_.pfnEndDocPort(port));
  const auto jobs = FinishedJobs("127.0.18.3", 1);
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(WithoutTick(jobs[0], start), Expected(job, 3));
  EXPECT_EQ(CollationFiles(), before);
}

TEST_F(Win95MonitorTest, CancelledCollatingJobLeavesNothingBehind) {
  HANDLE port = Open("127.0.18.4");
  const std::set<std::string> before = CollationFiles();
  Start(port);
  Write(port, BuildJob(ThreeHundredByteJob()), {300});
  DWORD returned = 0;
  EXPECT_TRUE(Ask(port, kCancelJob, nullptr, 0, returned));
  const std::uint32_t end = platform::TickCount();
  EXPECT_TRUE(table_.pfnEndDocPort(port));
  EXPECT_LT(platform::TicksSince(end), 2000u) << "waited for a printer that never closes";
  EXPECT_TRUE(Received("127.0.18.4").empty());
  EXPECT_EQ(CollationFiles(), before);
}

TEST_F(Win95MonitorTest, FileThatCannotBeMadeFailsTheWriteAndIsReportedAtTheEnd) {
  HANDLE port = Open("127.0.18.5");
  const Bytes data = BuildJob(ThreeHundredByteJob());
  {
    TemporaryFolder missing("C:\\no such folder\\");
    Start(port);
    DWORD written = 99;
    EXPECT_FALSE(table_.pfnWritePort(port, const_cast<BYTE*>(data.data()), 300, &written));
    EXPECT_EQ(written, 0u);
  }
  DialogSession session(kCaption, [this, port] { return table_.pfnEndDocPort(port); });
  const CallEnd end = session.Finish();
  ASSERT_TRUE(end.finished);
  EXPECT_TRUE(end.result);
  EXPECT_EQ(end.messages,
            (Messages{{L"丁合のための一時ファイルの作成に失敗しました。ハードディスクの\n容量不足の"
                       L"可能性があります.",
                       Icon::Stop}}));
}

}  // namespace
}  // namespace portmon::test
