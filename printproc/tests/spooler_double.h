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
  // The seam as the processor's table is given it.
  SpoolerCalls calls();
  // Everything back as at the start, logs emptied; the seam stays valid.
  void Fresh() { *this = SpoolerDouble(); }

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
  HANDLE Open(const char* name);
  void Close(HANDLE printer);
  bool GetJob(HANDLE printer, DWORD jobId, JobFacts& facts);
  DWORD StartDoc(HANDLE printer, const DOC_INFO_2A& document);
  bool Read(HANDLE printer, void* buffer, DWORD size, DWORD& read);
  bool Write(HANDLE printer, const void* data, DWORD size, DWORD& written);
  bool EndDoc(HANDLE printer);
  HDC StartPage(const char* printer, const char* document);
  void EndPage(HDC dc, bool drawn);
  bool Wait(HANDLE cancel, DWORD ms);

  std::list<Handle> handles_;
  std::map<HDC, SeparatorPageRecord> openPages_;
};

}  // namespace printproc::test
