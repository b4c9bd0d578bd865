#include "printproc/spooler_seam.h"

#include <vector>

namespace printproc {
namespace {

HANDLE OpenByName(const char* name) {
  HANDLE printer = nullptr;
  return OpenPrinterA(const_cast<char*>(name), &printer, nullptr) ? printer : nullptr;
}

void CloseHandleOf(HANDLE printer) { ClosePrinter(printer); }

bool GetJobFacts(HANDLE printer, DWORD jobId, JobFacts& facts) {
  DWORD needed = 0;
  GetJobA(printer, jobId, 2, nullptr, 0, &needed);
  if (needed < sizeof(JOB_INFO_2A)) return false;
  std::vector<BYTE> buffer(needed);
  if (!GetJobA(printer, jobId, 2, buffer.data(), needed, &needed)) return false;
  const auto* job = reinterpret_cast<const JOB_INFO_2A*>(buffer.data());
  facts.user = job->pUserName != nullptr ? job->pUserName : "";
  facts.submitted = job->Submitted;
  return true;
}

DWORD StartDocument(HANDLE printer, const DOC_INFO_2A& document) {
  return StartDocPrinterA(printer, 2, reinterpret_cast<BYTE*>(const_cast<DOC_INFO_2A*>(&document)));
}

bool ReadData(HANDLE printer, void* buffer, DWORD size, DWORD& read) {
  return ReadPrinter(printer, buffer, size, &read) != FALSE;
}

bool WriteData(HANDLE printer, const void* data, DWORD size, DWORD& written) {
  return WritePrinter(printer, const_cast<void*>(data), size, &written) != FALSE;
}

bool EndDocument(HANDLE printer) { return EndDocPrinter(printer) != FALSE; }

HDC StartSeparatorPage(const char* printer, const char* document) {
  HDC dc = CreateDCA(nullptr, printer, nullptr, nullptr);
  if (dc == nullptr) return nullptr;
  DOCINFOA info{sizeof info, document, nullptr, nullptr, 0};
  if (StartDocA(dc, &info) <= 0) {
    DeleteDC(dc);
    return nullptr;
  }
  if (::StartPage(dc) <= 0) {
    AbortDoc(dc);
    DeleteDC(dc);
    return nullptr;
  }
  return dc;
}

void EndSeparatorPage(HDC dc, bool drawn) {
  if (drawn && ::EndPage(dc) > 0) {
    ::EndDoc(dc);
  } else {
    AbortDoc(dc);
  }
  DeleteDC(dc);
}

bool WaitUnlessCancelled(HANDLE cancel, DWORD ms) {
  // INFINITE from the registry would be a wait without end.
  return WaitForSingleObject(cancel, ms == INFINITE ? INFINITE - 1 : ms) != WAIT_OBJECT_0;
}

SpoolerSeam& Current() {
  static SpoolerSeam seam = WinspoolSeam();
  return seam;
}

}  // namespace

SpoolerSeam WinspoolSeam() {
  return {OpenByName,   CloseHandleOf, GetJobFacts,       StartDocument,        ReadData,
          WriteData,    EndDocument,   StartSeparatorPage, EndSeparatorPage, WaitUnlessCancelled};
}

void SetSpoolerSeam(const SpoolerSeam& seam) { Current() = seam; }
const SpoolerSeam& Spooler() { return Current(); }

}  // namespace printproc
