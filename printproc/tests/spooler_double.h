#pragma once
// The spooler as the processor's tests need it: the dispatch queue serves
// one spooled job, every other printer records what it is sent, and each
// separator page is drawn into an enhanced metafile whose texts are kept.
// Everything the processor asks is logged in order.

#include <windows.h>

#include <functional>
#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "printproc/spooler_seam.h"

namespace printproc::test {

struct SeparatorPageRecord {
  std::string printer;
  std::string document;
  std::vector<std::wstring> texts;  // in drawing order
  std::vector<POINTL> windowExtents;  // SetWindowExtEx calls recorded on the page
  bool drawn = false;
};

class SpoolerDouble {
 public:
  // Installs the double behind the seam with nothing logged.
  static SpoolerDouble& Fresh();

  // The job the queue serves, at most `piece` bytes a read.
  std::string queue = "Dispatch";
  std::string job;
  DWORD piece = 4096;
  JobFacts facts{"alice", SYSTEMTIME{2024, 3, 4, 14, 9, 30, 15, 0}};
  DWORD queueJobId = 7;          // what StartDocPrinter on the queue gives (0: fails)
  DWORD nextJobId = 101;         // and on a printer, counting up
  std::set<std::string> unopenable;
  std::set<std::string> refusingDocuments;
  DWORD writeLimit = 0xFFFFFFFF;  // bytes a printer takes per write
  std::function<void(int read)> onRead;  // after each read of the queue, counted from 1

  std::vector<std::string> log;
  std::map<std::string, std::string> received;
  std::vector<DWORD> waits;
  std::vector<SeparatorPageRecord> pages;
  std::vector<DOC_INFO_2A> documents;  // strings valid only during the call
  std::vector<std::string> documentNames;
  int reads = 0;

  // The log entries that begin with `prefix`.
  std::vector<std::string> Logged(const std::string& prefix) const;
  // Position of the first log entry that begins with `prefix`, or -1.
  int FirstLogged(const std::string& prefix) const;

 private:
  struct Handle {
    std::string printer;
    std::size_t readAt = 0;
  };
  static SpoolerDouble& Active();
  static HANDLE Open(const char* name);
  static void Close(HANDLE printer);
  static bool GetJob(HANDLE printer, DWORD jobId, JobFacts& facts);
  static DWORD StartDoc(HANDLE printer, const DOC_INFO_2A& document);
  static bool Read(HANDLE printer, void* buffer, DWORD size, DWORD& read);
  static bool Write(HANDLE printer, const void* data, DWORD size, DWORD& written);
  static bool EndDoc(HANDLE printer);
  static HDC StartPage(const char* printer, const char* document);
  static void EndPage(HDC dc, bool drawn);
  static bool Wait(HANDLE cancel, DWORD ms);

  std::list<Handle> handles_;
  std::map<HDC, SeparatorPageRecord> openPages_;
};

}  // namespace printproc::test
