#include "printproc/spooler_seam.h"

#include <vector>

#include "common/win/gdi.h"
#include "common/win/printer_handle.h"

namespace printproc {
namespace {

HANDLE OpenByName(void*, const char* name) {
  PrinterHandle printer;
  return OpenPrinterA(const_cast<char*>(name), printer.out(), nullptr) ? printer.release() : nullptr;
}

void Close(void*, HANDLE printer) { PrinterKind::Release(printer); }

bool GetJobFacts(void*, HANDLE printer, DWORD jobId, JobFacts& facts) {
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

DWORD StartDocument(void*, HANDLE printer, const DOC_INFO_2A& document) {
  return StartDocPrinterA(printer, 2, reinterpret_cast<BYTE*>(const_cast<DOC_INFO_2A*>(&document)));
}

bool ReadData(void*, HANDLE printer, void* buffer, DWORD size, DWORD& read) {
  return ReadPrinter(printer, buffer, size, &read) != FALSE;
}

bool WriteData(void*, HANDLE printer, const void* data, DWORD size, DWORD& written) {
  return WritePrinter(printer, const_cast<void*>(data), size, &written) != FALSE;
}

bool EndDocument(void*, HANDLE printer) { return EndDocPrinter(printer) != FALSE; }

HDC StartSeparatorPage(void*, const char* printer, const char* document) {
  DeviceContext dc(CreateDCA(nullptr, printer, nullptr, nullptr));
  if (!dc) return nullptr;
  DOCINFOA info{sizeof info, document, nullptr, nullptr, 0};
  if (StartDocA(dc.get(), &info) <= 0) return nullptr;
  if (::StartPage(dc.get()) <= 0) {
    AbortDoc(dc.get());
    return nullptr;
  }
  return dc.release();
}

void EndSeparatorPage(void*, HDC page, bool drawn) {
  const DeviceContext dc(page);
  if (drawn && ::EndPage(dc.get()) > 0) {
    ::EndDoc(dc.get());
  } else {
    AbortDoc(dc.get());
  }
}

bool WaitUnlessCancelled(void*, HANDLE cancel, DWORD ms) {
  // INFINITE from the registry would be a wait without end.
  return WaitForSingleObject(cancel, ms == INFINITE ? INFINITE - 1 : ms) != WAIT_OBJECT_0;
}

}  // namespace

SpoolerCalls WinspoolCalls() {
  return {nullptr,        OpenByName,         Close,           GetJobFacts,
          StartDocument,  ReadData,           WriteData,       EndDocument,
          StartSeparatorPage, EndSeparatorPage, WaitUnlessCancelled};
}

}  // namespace printproc
