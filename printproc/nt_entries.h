#pragma once
// The same processor through the entries later spoolers look up by name
// (Wine's among them). Such a spooler opens the processor with the job's
// document data, then has it print the job by a name that opens the job
// alone ("<queue>, Job <id>"); it never prints a separator page.

#include <windows.h>
#include <winsplp.h>

namespace printproc {

BOOL EnumNtDatatypes(LPWSTR name, LPWSTR processor, DWORD level, LPBYTE buffer, DWORD size,
                     LPDWORD needed, LPDWORD returned);
HANDLE OpenNtProcessor(LPWSTR printerName, PPRINTPROCESSOROPENDATA data);
BOOL PrintNtDocument(HANDLE processor, LPWSTR documentName);
BOOL CloseNtProcessor(HANDLE processor);
BOOL ControlNtProcessor(HANDLE processor, DWORD command);

}  // namespace printproc
