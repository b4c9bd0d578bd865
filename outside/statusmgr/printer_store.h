#pragma once
// Each printer's items and counters in the registry (store_layout.h), read
// and written afresh on every call. Results are Win32 error codes.

#include <windows.h>

#include <string>

namespace statusmgr {

// A printer is in the store when its key exists.
bool HasPrinter(const std::wstring& printer);

// Fills exactly `size` bytes of `buffer`: a shorter value is followed by
// zeros, so the store may give only the leading words of an item; a longer
// value or one of another type than REG_BINARY is refused.
LONG ReadItem(const std::wstring& printer, const char* item, void* buffer, DWORD size);

LONG WriteItem(const std::wstring& printer, const char* item, const void* buffer, DWORD size);

// Adds one to a REG_DWORD counter beside the items; a missing or malformed
// counter starts from zero.
void CountOne(const std::wstring& printer, const char* counter);

}  // namespace statusmgr
