// The entries of the table. Nothing may leave them as a C++ exception: the
// spooler that called them would not survive it.
#include "common/win/entry_guard.h"
#include "printproc/datatypes.h"
#include "printproc/processor_context.h"
#include "printproc/processor_table.h"
#include "printproc/settings.h"

namespace printproc {
namespace {

// The spooler InitializeProcessor was given, for every context the table
// opens.
SpoolerCalls tableSpooler = WinspoolCalls();

BOOL WINAPI EnumDatatypes(LPSTR name, LPSTR processor, DWORD level, LPBYTE buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned) {
  return GuardedEntry<BOOL>(FALSE, [&] {
    return EnumDatatypesA(name, processor, level, buffer, size, needed, returned);
  });
}

HANDLE WINAPI Open(LPSTR printerName) {
  return GuardedEntry<HANDLE>(nullptr,
                              [&] { return OpenProcessorContext(printerName, tableSpooler); });
}

BOOL WINAPI Print(HANDLE processor, PrintDocumentData* document) {
  return GuardedEntry<BOOL>(FALSE,
                            [&] { return PrintDocument(processor, document) ? TRUE : FALSE; });
}

BOOL WINAPI Close(HANDLE processor) {
  return GuardedEntry<BOOL>(FALSE, [&] { return CloseProcessorContext(processor) ? TRUE : FALSE; });
}

BOOL WINAPI Control(HANDLE processor, DWORD command) {
  return GuardedEntry<BOOL>(FALSE,
                            [&] { return ControlProcessor(processor, command) ? TRUE : FALSE; });
}

}  // namespace

BOOL InitializeProcessor(PrintProcessorTable* table, const SpoolerCalls& spooler) {
  if (table == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *table = {EnumDatatypes, Open, Print, Close, Control};
  return GuardedEntry<BOOL>(FALSE, [&] {
    tableSpooler = spooler;
    LoadProcessorSettings();
    return TRUE;
  });
}

}  // namespace printproc
