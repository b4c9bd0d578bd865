#pragma once
// The print processor's face to the spooler: InitializePrintProcessor fills
// a table of five entries, in this order.

#include <windows.h>

#include "printproc/print_document.h"
#include "printproc/spooler_seam.h"

namespace printproc {

using EnumDatatypesEntry = BOOL(WINAPI*)(LPSTR name, LPSTR processor, DWORD level, LPBYTE buffer,
                                         DWORD size, LPDWORD needed, LPDWORD returned);
using OpenEntry = HANDLE(WINAPI*)(LPSTR printerName);
using PrintDocumentEntry = BOOL(WINAPI*)(HANDLE processor, PrintDocumentData* document);
using CloseEntry = BOOL(WINAPI*)(HANDLE processor);
using ControlEntry = BOOL(WINAPI*)(HANDLE processor, DWORD command);

struct PrintProcessorTable {
  EnumDatatypesEntry enumDatatypes;
  OpenEntry open;
  PrintDocumentEntry printDocument;
  CloseEntry close;
  ControlEntry control;
};

// Fills the table and reads the settings every job shares; the contexts the
// table opens go through `spooler`.
BOOL InitializeProcessor(PrintProcessorTable* table, const SpoolerCalls& spooler = WinspoolCalls());

}  // namespace printproc
