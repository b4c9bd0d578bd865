// demo_jobs: the print path of the suite at work for the demonstration,
// each run as its caller runs it, under Wine. A developer's tool.
//
//   demo_jobs spooler IP FILE     the monitor installed in the spooler, a
//                                 printer on the port of the NIC at IP, and
//                                 FILE printed on it as a raw job
//   demo_jobs collate IP COPIES   a job of the 95 line's driver asking for
//                                 COPIES collated copies, through the 95
//                                 monitor as its spooler calls it
//   demo_jobs dispatch FOLDER     a job on a dispatch queue of two printers,
//                                 one reporting itself unusable; the print
//                                 processor picks the other (ports: files in
//                                 FOLDER)
// Every key and file it adds is removed again at the end.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "common/status_items.h"
#include "common/win/library.h"
#include "common/win/printer_handle.h"
#include "common/win/registry_key.h"
#include "outside/statusmgr/store_layout.h"
#include "portmon/testing/driver_job.h"
#include "portmon/win95/monitor_table.h"
#include "printproc/core/job_header.h"
#include "printproc/core/member_score.h"

extern "C" BOOL WINAPI AddPortExW(LPWSTR server, DWORD level, LPBYTE buffer, LPWSTR monitorName);

namespace {

constexpr char kPrintersKey[] = "System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr wchar_t kMonitorName[] = L"NRV Network Port";
constexpr wchar_t kMonitorCopy[] = L"portmonnt4-demo.dll";

std::string Beside(const char* file) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string path(program);
  return path.substr(0, path.rfind('\\') + 1) + file;
}

std::string SystemFolder() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return folder;
}

void SetString(const std::string& key, const char* name, const std::string& value) {
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

// A local printer of the spooler's registry taking raw jobs on `port`.
void DefinePrinter(const std::string& name, const std::string& port, const std::string& processor) {
  const std::string key = kPrintersKey + name;
  SetString(key, "Name", name);
  SetString(key, "Port", port);
  SetString(key, "Printer Driver", "Generic / Text Only");
  SetString(key, "Print Processor", processor);
  SetString(key, "Datatype", "RAW");
  const DWORD local = PRINTER_ATTRIBUTE_LOCAL;
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Attributes", REG_DWORD, &local, sizeof local);
}

bool PrintRaw(const std::string& printer, const char* document, const std::string& data) {
  PrinterHandle handle;
  if (!OpenPrinterA(const_cast<char*>(printer.c_str()), handle.out(), nullptr)) return false;
  DOC_INFO_1A info{const_cast<char*>(document), nullptr, const_cast<char*>("RAW")};
  if (StartDocPrinterA(handle.get(), 1, reinterpret_cast<BYTE*>(&info)) == 0) return false;
  for (std::size_t at = 0; at < data.size(); at += 65536) {
    DWORD written = 0;
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(65536, data.size() - at));
    if (!WritePrinter(handle.get(), const_cast<char*>(data.data() + at), piece, &written) || written != piece) {
      EndDocPrinter(handle.get());
      return false;
    }
  }
  return EndDocPrinter(handle.get()) != FALSE;
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Spooler(const std::string& ip, const std::string& file) {
  const std::string system = SystemFolder();
  const std::wstring copy = std::wstring(system.begin(), system.end()) + L"\\" + kMonitorCopy;
  DeleteMonitorW(nullptr, nullptr, const_cast<wchar_t*>(kMonitorName));
  if (!CopyFileA(Beside("portmonnt4.dll").c_str(), std::string(copy.begin(), copy.end()).c_str(), FALSE)) return 1;
  MONITOR_INFO_2W monitor{const_cast<wchar_t*>(kMonitorName), nullptr, const_cast<wchar_t*>(kMonitorCopy)};
  if (!AddMonitorW(nullptr, 2, reinterpret_cast<BYTE*>(&monitor))) return 1;
  std::wstring port(ip.begin(), ip.end());
  PORT_INFO_1W portInfo{port.data()};
  AddPortExW(nullptr, 1, reinterpret_cast<BYTE*>(&portInfo), const_cast<wchar_t*>(kMonitorName));
  const std::string printer = "NRV demo printer";
  DefinePrinter(printer, ip, "winprint");
  const std::string data = ReadFileText(file);
  const bool printed = PrintRaw(printer, "demo job", data);
  std::printf("printed %zu bytes through the spooler to port %s: %s\n", data.size(), ip.c_str(),
              printed ? "done" : "failed");
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kPrintersKey + printer).c_str());
  DeleteMonitorW(nullptr, nullptr, const_cast<wchar_t*>(kMonitorName));
  for (int tries = 0; tries < 50 && !DeleteFileW(copy.c_str()); ++tries) Sleep(50);
  return printed ? 0 : 1;
}

using InitializeMonitor95 = BOOL(WINAPI*)(LPSTR, portmon::AnsiMonitorTable*);

int Collate(const std::string& ip, int copies) {
  std::string root = "Software\\NicSuiteDemo\\portmon95";
  const RegistryKey key = RegistryKey::Create(HKEY_LOCAL_MACHINE, root.c_str(), KEY_ALL_ACCESS);
  key.WriteString(ip.c_str(), ip);  // a port as the 95 build stores one
  RegistryKey::Create(key.get(), ip.c_str(), KEY_ALL_ACCESS);
  const Library monitor(LoadLibraryA(Beside("portmon95.dll").c_str()));
  auto initialize = monitor.Find<InitializeMonitor95>("InitializeMonitorEx");
  portmon::AnsiMonitorTable table{};
  HANDLE port = nullptr;
  portmon::test::DriverJob job = portmon::test::ThreeHundredByteJob();
  job.copies = static_cast<std::int16_t>(copies);
  const portmon::test::Bytes bytes = portmon::test::BuildJob(job);
  bool done = initialize != nullptr && initialize(root.data(), &table) &&
              table.pfnOpenPort(const_cast<char*>(ip.c_str()), &port) &&
              table.pfnStartDocPort(port, const_cast<char*>("collating printer"), 1, 1, nullptr);
  DWORD written = 0;
  done = done && table.pfnWritePort(port, const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()), &written) &&
         table.pfnEndDocPort(port);
  if (port != nullptr) table.pfnClosePort(port);
  std::printf("a %zu-byte job asking for %d collated copies, through the 95 monitor to %s: %s\n", bytes.size(),
              copies, ip.c_str(), done ? "done" : "failed");
  std::printf("the printer must receive %zu bytes: the prologue, each page once per copy, the closing block\n",
              portmon::test::Expected(job, copies).size());
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\NicSuiteDemo");
  return done ? 0 : 1;
}

// One member's status items in the status manager stand-in's store.
void StoreItem(const std::string& printer, const char* item, const void* data, DWORD size) {
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, (std::string(statusmgr::kStoreKey) + "\\" + printer).c_str(), item, REG_BINARY,
                  data, size);
}

std::int32_t ScoreOf(const std::string& printer, const printproc::JobHeader& header) {
  struct Context {
    std::string key;
  } context{std::string(statusmgr::kStoreKey) + "\\" + printer};
  const printproc::MemberItemCalls read{&context, [](void* c, const char* item, std::span<std::uint8_t> into) {
    DWORD size = static_cast<DWORD>(into.size());
    RegGetValueA(HKEY_LOCAL_MACHINE, static_cast<Context*>(c)->key.c_str(), item, RRF_RT_REG_BINARY, nullptr,
                 into.data(), &size);
  }};
  return printproc::ScoreMember(printproc::BuiltInScoreTables(), header, read);
}

int Dispatch(const std::string& folder) {
  char processors[MAX_PATH] = {};
  DWORD needed = 0;
  GetPrintProcessorDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(processors), sizeof processors, &needed);
  CreateDirectoryA(processors, nullptr);
  const std::string processor = "printproc-demo";
  const std::string processorKey =
      "System\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Print Processors\\" + processor;
  const std::string processorFile = std::string(processors) + "\\" + processor + ".dll";
  if (!CopyFileA(Beside("printproc.dll").c_str(), processorFile.c_str(), FALSE)) return 1;
  SetString(processorKey, "Driver", processor + ".dll");
  const std::string queue = "NRV pool", busy = "NRV pool 1F", ready = "NRV pool 2F";
  DefinePrinter(busy, folder + "\\1F.prn", "winprint");
  DefinePrinter(ready, folder + "\\2F.prn", "winprint");
  DefinePrinter(queue, folder + "\\queue.prn", processor);
  const std::string pool = busy + '\0' + ready + std::string(2, '\0');
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, (kPrintersKey + queue + "\\PrinterDriverData").c_str(), "PDD_PrinterNames",
                  REG_BINARY, pool.data(), static_cast<DWORD>(pool.size()));
  const DWORD unusable = kExtStatusUnusable, usable = 0, memory = 64;
  StoreItem(busy, kExtStatusItem.name, &unusable, sizeof unusable);
  StoreItem(ready, kExtStatusItem.name, &usable, sizeof usable);
  // Both ready (the current status's third word, bit 0x1) with memory to
  // spare; neither says which paper it holds.
  const DWORD ready3[6] = {0, 0, 0x1, 0, 0, 0};
  for (const std::string& member : {busy, ready}) {
    StoreItem(member, kMemoryItem.name, &memory, sizeof memory);
    StoreItem(member, kCurrentStatusItem.name, ready3, sizeof ready3);
  }

  const std::string body = "\x1C" "48zPDStartPDD=1 Duplex=0 PSize=9 PMemory=8 PDEnd" + std::string(4000, 'p');
  printproc::JobHeader header;
  header.dispatchMode = 1;
  header.duplex = 0;
  header.paperSize = 9;
  header.memory = 8;
  for (const std::string& member : {busy, ready}) {
    const std::int32_t score = ScoreOf(member, header);
    if (score == printproc::kUnusableScore) {
      std::printf("  %s: reports itself unusable (extended status 0x%lX)\n", member.c_str(), unusable);
    } else {
      std::printf("  %s: score %ld\n", member.c_str(), static_cast<long>(score));
    }
  }
  const bool printed = PrintRaw(queue, "pool demo", body);
  // The member whose port (a file) holds the job.
  std::string went = "nowhere";
  for (const auto& [member, port] : {std::pair{busy, "1F"}, std::pair{ready, "2F"}}) {
    if (GetFileAttributesA((folder + "\\" + port + ".prn").c_str()) != INVALID_FILE_ATTRIBUTES) went = member;
  }
  std::printf("a %zu-byte job on the dispatch queue \"%s\": %s; it went to \"%s\"\n", body.size(), queue.c_str(),
              printed ? "printed" : "failed", went.c_str());
  for (const std::string& printer : {queue, busy, ready}) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kPrintersKey + printer).c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string(statusmgr::kStoreKey) + "\\" + printer).c_str());
  }
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, processorKey.c_str());
  DeleteFileA(processorFile.c_str());
  return printed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "spooler" && argc == 4) return Spooler(argv[2], argv[3]);
  if (command == "collate" && argc == 4) return Collate(argv[2], std::atoi(argv[3]));
  if (command == "dispatch" && argc == 3) return Dispatch(argv[2]);
  std::fprintf(stderr, "usage: demo_jobs spooler IP FILE | collate IP COPIES | dispatch FOLDER\n");
  return 2;
}
