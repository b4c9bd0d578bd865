#include "printproc/nt_entries.h"

#include <memory>
#include <string>

#include "common/win/entry_guard.h"
#include "common/win/text_conversion.h"

#include "printproc/datatypes.h"
#include "printproc/print_document.h"
#include "printproc/processor_context.h"
#include "printproc/settings.h"

namespace printproc {
namespace {

std::string Ansi(const wchar_t* text) { return text != nullptr ? AnsiFromWide(text) : std::string(); }

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
  const std::string queue = Ansi(data.pPrinterName != nullptr ? data.pPrinterName : printerName);
  HANDLE context = OpenProcessorContext(queue.c_str(), WinspoolCalls());
  if (context == nullptr) return nullptr;
  return new NtProcessor{context, Ansi(data.pDatatype), Ansi(data.pDocumentName),
                         data.JobId};
}

bool Print(NtProcessor& processor, LPWSTR documentName) {
  PrintDocumentData data{processor.datatype.data(), processor.document.data(), processor.jobId,
                         nullptr, nullptr};
  return PrintDocumentFrom(processor.context, data, {Ansi(documentName), false});
}

}  // namespace

BOOL EnumNtDatatypes(LPWSTR name, LPWSTR processor, DWORD level, LPBYTE buffer, DWORD size,
                     LPDWORD needed, LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&] {
    return EnumDatatypesW(name, processor, level, buffer, size, needed, returned);
  });
}

HANDLE OpenNtProcessor(LPWSTR printerName, PPRINTPROCESSOROPENDATA data) {
  if (data == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return GuardedEntry<HANDLE>(nullptr, [&]() -> HANDLE { return Open(printerName, *data); });
}

BOOL PrintNtDocument(HANDLE processor, LPWSTR documentName) {
  if (processor == nullptr || documentName == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return GuardedEntry<BOOL>(FALSE, [&] {
    return Print(*static_cast<NtProcessor*>(processor), documentName) ? TRUE : FALSE;
  });
}

BOOL CloseNtProcessor(HANDLE processor) {
  return GuardedEntry<BOOL>(FALSE, [&] {
    const std::unique_ptr<NtProcessor> owned(static_cast<NtProcessor*>(processor));
    return owned != nullptr && CloseProcessorContext(owned->context) ? TRUE : FALSE;
  });
}

BOOL ControlNtProcessor(HANDLE processor, DWORD command) {
  HANDLE context = processor != nullptr ? static_cast<NtProcessor*>(processor)->context : nullptr;
  return GuardedEntry<BOOL>(FALSE, [&] { return ControlProcessor(context, command) ? TRUE : FALSE; });
}

}  // namespace printproc
