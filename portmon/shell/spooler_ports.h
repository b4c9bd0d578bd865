#pragma once
// Whether a port name is taken already, by any monitor of the spooler: the
// same name ignoring case, or dotted names of the same address.

#include <windows.h>

#include <string>

namespace portmon {

// Sets `duplicate`; returns 0, or the error when the spooler library or its
// port list could not be had.
DWORD FindSpoolerDuplicate(const wchar_t* server, const std::wstring& name, bool& duplicate);

}  // namespace portmon
