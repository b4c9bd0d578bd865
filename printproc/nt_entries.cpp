#include "printproc/nt_entries.h"

#include <memory>
#include <new>
#include <string>

#include "printproc/datatypes.h"
#include "printproc/print_document.h"
#include "printproc/processor_context.h"
#include "printproc/settings.h"

namespace printproc {
namespace {

std::string AnsiFromWide(const wchar_t* text) {
  if (text == nullptr) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string ansi(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
  ansi.pop_back();
  return ansi;
}

// The context and the document data it was opened with, which this face
// keeps until print document asks for them. The output file of the open
// data is left behind: these spoolers put the dispatch queue's own port
// there, which would send the member's copy back to that port.
struct NtProcessor {
  HANDLE context;
  std::string datatype;
  std::string document;
  DWORD jobId;
};

// These spoolers call the processor with the port's name; the queue's is
// in the open data.
NtProcessor* Open(LPWSTR printerName, const PRINTPROCESSOROPENDATA& data) {
  LoadProcessorSettings();
  const std::string queue = AnsiFromWide(data.pPrinterName != nullptr ? data.pPrinterName : printerName);
  HANDLE context = OpenProcessorContext(queue.c_str());
  if (context == nullptr) return nullptr;
  return new NtProcessor{context, AnsiFromWide(data.pDatatype), AnsiFromWide(data.pDocumentName),
                         data.JobId};
}

bool Print(NtProcessor& processor, LPWSTR documentName) {
  PrintDocumentData data{processor.datatype.data(), processor.document.data(), processor.jobId,
                         nullptr, nullptr};
  return PrintDocumentFrom(processor.context, data, {AnsiFromWide(documentName), false});
}

}  // namespace

BOOL EnumNtDatatypes(LPWSTR name, LPWSTR processor, DWORD level, LPBYTE buffer, DWORD size,
                     LPDWORD needed, LPDWORD returned) {
  return EnumDatatypesW(name, processor, level, buffer, size, needed, returned);
}

HANDLE OpenNtProcessor(LPWSTR printerName, PPRINTPROCESSOROPENDATA data) {
  if (data == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  try {
    return Open(printerName, *data);
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
}

BOOL PrintNtDocument(HANDLE processor, LPWSTR documentName) {
  if (processor == nullptr || documentName == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  try {
    return Print(*static_cast<NtProcessor*>(processor), documentName) ? TRUE : FALSE;
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
}

BOOL CloseNtProcessor(HANDLE processor) {
  const std::unique_ptr<NtProcessor> owned(static_cast<NtProcessor*>(processor));
  return owned != nullptr && CloseProcessorContext(owned->context) ? TRUE : FALSE;
}

BOOL ControlNtProcessor(HANDLE processor, DWORD command) {
  HANDLE context = processor != nullptr ? static_cast<NtProcessor*>(processor)->context : nullptr;
  return ControlProcessor(context, command) ? TRUE : FALSE;
}

}  // namespace printproc
