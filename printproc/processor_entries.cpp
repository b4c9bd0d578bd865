// The entries of the table. Nothing may leave them as a C++ exception: the
// spooler that called them would not survive it.
#include <new>

#include "printproc/datatypes.h"
#include "printproc/processor_context.h"
#include "printproc/processor_table.h"
#include "printproc/settings.h"

namespace printproc {
namespace {

template <typename Result, typename Call>
Result Guarded(Result failed, Call call) {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  } catch (...) {
    SetLastError(ERROR_INTERNAL_ERROR);
  }
  return failed;
}

BOOL WINAPI EnumDatatypes(LPSTR name, LPSTR processor, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned) {
  return EnumDatatypesA(name, processor, level, buffer, size, needed, returned);
}

HANDLE WINAPI Open(LPSTR printerName) {
  return Guarded<HANDLE>(nullptr, [&] { return OpenProcessorContext(printerName); });
}

BOOL WINAPI Print(HANDLE processor, PrintDocumentData* document) {
  return Guarded<BOOL>(FALSE, [&] { return PrintDocument(processor, document) ? TRUE : FALSE; });
}

BOOL WINAPI Close(HANDLE processor) { return CloseProcessorContext(processor) ? TRUE : FALSE; }

BOOL WINAPI Control(HANDLE processor, DWORD command) {
  return ControlProcessor(processor, command) ? TRUE : FALSE;
}

}  // namespace

BOOL InitializeProcessor(PrintProcessorTable* table) {
  if (table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *table = {EnumDatatypes, Open, Print, Close, Control};
  return Guarded<BOOL>(FALSE, [] {
    LoadProcessorSettings();
    return TRUE;
  });
}

}  // namespace printproc
