// printproc.dll: InitializePrintProcessor for the spooler it was made for,
// and the named entries of later spoolers over the same processor.
#include <windows.h>
#include <winsplp.h>

#include "printproc/nt_entries.h"
#include "printproc/processor_table.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

extern "C" {

__declspec(dllexport) BOOL WINAPI InitializePrintProcessor(printproc::PrintProcessorTable* table) {
  return printproc::InitializeProcessor(table);
}

__declspec(dllexport) BOOL WINAPI EnumPrintProcessorDatatypesW(LPWSTR name, LPWSTR processor,
                                                              DWORD level, LPBYTE buffer,
                                                              DWORD size, LPDWORD needed,
                                                              LPDWORD returned) {
  return printproc::EnumNtDatatypes(name, processor, level, buffer, size, needed, returned);
}

__declspec(dllexport) HANDLE WINAPI OpenPrintProcessor(LPWSTR printerName,
                                                       PPRINTPROCESSOROPENDATA data) {
  return printproc::OpenNtProcessor(printerName, data);
}

__declspec(dllexport) BOOL WINAPI PrintDocumentOnPrintProcessor(HANDLE processor,
                                                                LPWSTR documentName) {
  return printproc::PrintNtDocument(processor, documentName);
}

__declspec(dllexport) BOOL WINAPI ClosePrintProcessor(HANDLE processor) {
  return printproc::CloseNtProcessor(processor);
}

__declspec(dllexport) BOOL WINAPI ControlPrintProcessor(HANDLE processor, DWORD command) {
  return printproc::ControlNtProcessor(processor, command);
}

}  // extern "C"
