// printproc.dll as Wine's own spooler runs it: installed as the print
// processor of a dispatch queue, it is loaded in this process at
// EndDocPrinter through its named entries, reads the job by "<queue>, Job
// <id>" and copies it to the pool member, whose own processor writes it to
// the member's port, here a file. The prefix's real registry is used (the
// spooler reads its printers there), so every key is removed at the end.
#include <gtest/gtest.h>
#include <windows.h>
#include <winspool.h>

#include <string>

#include "common/win/printer_handle.h"
#include "common/win/testing/registry_sandbox.h"
#include "outside/statusmgr/store_layout.h"
#include "printproc/core/dispatch_job_info.h"

namespace printproc::test {
namespace {

constexpr char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr char kProcessorsKey[] =
    "System\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Print Processors\\";

std::string Pid() { return std::to_string(GetCurrentProcessId()); }

std::string ProgramFolder() {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const std::string path(program);
  return path.substr(0, path.rfind('\\') + 1);
}

std::string ProcessorFolder() {
  char folder[MAX_PATH] = {};
  DWORD needed = 0;
  GetPrintProcessorDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder), sizeof folder,
                              &needed);
  return folder;
}

void SetString(const std::string& key, const char* name, const std::string& value) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(),
                            static_cast<DWORD>(value.size() + 1)),
            ERROR_SUCCESS);
}

class WineSpoolerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA(ProcessorFolder().c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "printproc.dll").c_str(), ProcessorPath().c_str(), FALSE))
        << GetLastError();
    SetString(kProcessorsKey + processor, "Driver", processor + ".dll");
    AddPrinter(member, "winprint", folder.path() + "\\member.prn");
    AddPrinter(queue, processor, folder.path() + "\\queue.prn");
    const std::string pool = member + std::string(2, '\0');
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, (kPrintersKey + queue + "\\PrinterDriverData").c_str(),
                              "PDD_PrinterNames", REG_BINARY, pool.data(), static_cast<DWORD>(pool.size())),
              ERROR_SUCCESS);
  }

  void TearDown() override {
    for (const std::string& printer : {queue, member}) {
      RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kPrintersKey + printer).c_str());
      RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string(statusmgr::kStoreKey) + "\\" + printer).c_str());
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kProcessorsKey + processor).c_str());
    DeleteFileA(ProcessorPath().c_str());
  }

  // A local printer taking RAW jobs to a file port, known to the status
  // manager.
  void AddPrinter(const std::string& name, const std::string& printProcessor, const std::string& port) {
    const std::string key = kPrintersKey + name;
    SetString(key, "Name", name);
    SetString(key, "Port", port);
    SetString(key, "Printer Driver", "Generic / Text Only");
    SetString(key, "Print Processor", printProcessor);
    SetString(key, "Datatype", "RAW");
    const DWORD attributes = PRINTER_ATTRIBUTE_LOCAL;
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Attributes", REG_DWORD, &attributes, sizeof attributes);
    const DWORD none = 0;
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, (std::string(statusmgr::kStoreKey) + "\\" + name).c_str(),
                    "PrinterExtStatus", REG_BINARY, &none, sizeof none);
  }

  std::string ProcessorPath() const { return ProcessorFolder() + "\\" + processor + ".dll"; }

  TemporaryFolder folder;
  std::string processor = "printproc-test-" + Pid();
  std::string queue = "PP dispatch " + Pid();
  std::string member = "PP member " + Pid();
};

TEST_F(WineSpoolerTest, AJobOnTheDispatchQueueReachesTheMembersPort) {
  PrinterHandle printer;
  ASSERT_TRUE(OpenPrinterA(queue.data(), printer.out(), nullptr)) << GetLastError();
  DOC_INFO_1A document{const_cast<char*>("Quarterly report"), nullptr, const_cast<char*>("RAW")};
  ASSERT_NE(StartDocPrinterA(printer.get(), 1, reinterpret_cast<BYTE*>(&document)), 0u) << GetLastError();
  const std::string body = "\x1C" "36zPDStartPDD=1 Duplex=0 PSize=9PDEnd" + std::string(9000, 'p');
  DWORD written = 0;
  EXPECT_TRUE(WritePrinter(printer.get(), const_cast<char*>(body.data()), static_cast<DWORD>(body.size()), &written));
  EXPECT_TRUE(EndDocPrinter(printer.get())) << GetLastError();
  printer.reset();

  EXPECT_EQ(ReadWholeFile(folder.path() + "\\member.prn"), body);
  EXPECT_EQ(GetFileAttributesA((folder.path() + "\\queue.prn").c_str()), INVALID_FILE_ATTRIBUTES);
  DispatchJobInfo info{};
  DWORD size = sizeof info;
  ASSERT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, (std::string(statusmgr::kStoreKey) + "\\" + queue).c_str(),
                         "DispatchJobInfo", RRF_RT_REG_BINARY, nullptr, &info, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(info.printer, member.c_str());
  EXPECT_STREQ(info.document, "Quarterly report");
  EXPECT_NE(info.startResult, 0u);
}

}  // namespace
}  // namespace printproc::test
