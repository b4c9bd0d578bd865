#include "portmon/shell/winspool_calls.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "common/win/printer_handle.h"

namespace portmon {
namespace {

void* Open(void*, const std::u16string& name) {
  std::wstring wide(name.begin(), name.end());
  HANDLE printer = nullptr;
  return OpenPrinterW(wide.data(), &printer, nullptr) ? printer : nullptr;
}

void Close(void*, void* printer) { PrinterKind::Release(static_cast<HANDLE>(printer)); }

// Both ask for the size first, then read into a buffer of that size.
bool PrinterInfo(void*, void* printer, std::uint32_t& attributes, std::u16string& datatype) {
  DWORD needed = 0;
  GetPrinterW(static_cast<HANDLE>(printer), 2, nullptr, 0, &needed);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!GetPrinterW(static_cast<HANDLE>(printer), 2, buffer.data(), needed, &needed)) return false;
  const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
  attributes = info->Attributes;
  const std::wstring type = info->pDatatype != nullptr ? info->pDatatype : L"";
  datatype.assign(type.begin(), type.end());
  return true;
}

std::vector<BYTE> JobInfo(HANDLE printer, DWORD jobId) {
  DWORD needed = 0;
  GetJobW(printer, jobId, 1, nullptr, 0, &needed);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !GetJobW(printer, jobId, 1, buffer.data(), needed, &needed)) buffer.clear();
  return buffer;
}

bool JobStatus(void*, void* printer, std::uint32_t jobId, std::uint32_t& status) {
  const std::vector<BYTE> info = JobInfo(static_cast<HANDLE>(printer), jobId);
  if (info.empty()) return false;
  status = reinterpret_cast<const JOB_INFO_1W*>(info.data())->Status;
  return true;
}

bool Control(void*, void* printer, std::uint32_t jobId, std::uint32_t command) {
  return SetJobW(static_cast<HANDLE>(printer), jobId, 0, nullptr, command) != FALSE;
}

bool SetStatus(void*, void* printer, std::uint32_t jobId, std::uint32_t status) {
  std::vector<BYTE> info = JobInfo(static_cast<HANDLE>(printer), jobId);
  if (info.empty()) return false;
  auto* job = reinterpret_cast<JOB_INFO_1W*>(info.data());
  job->Status = status;
  return SetJobW(static_cast<HANDLE>(printer), jobId, 1, info.data(), 0) != FALSE;
}

}  // namespace

SpoolerCalls WinspoolCalls() {
  return {nullptr, Open, Close, PrinterInfo, JobStatus, Control, SetStatus};
}

}  // namespace portmon
