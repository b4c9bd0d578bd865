#pragma once
// The data types the processor takes: "RAW" only.

#include <windows.h>

namespace printproc {

// Enumerate data types, level 1: one pointer per type at the start of the
// buffer and the strings packed from its end. Too small a buffer gives
// ERROR_INSUFFICIENT_BUFFER with the size needed.
BOOL EnumDatatypesA(const char* name, const char* processor, DWORD level, BYTE* buffer, DWORD size,
                    DWORD* needed, DWORD* returned);
BOOL EnumDatatypesW(const wchar_t* name, const wchar_t* processor, DWORD level, BYTE* buffer,
                    DWORD size, DWORD* needed, DWORD* returned);

// Whether the processor takes `datatype` (compared without case).
bool IsRawDatatype(const char* datatype);

}  // namespace printproc
