#pragma once
// The error text that install and remove print after a failed call.

#include <windows.h>

#include <string>
#include <string_view>

namespace maintsvc {

// "<system text without its line end> (0x<error>)"; empty when the system
// has no text or the result would not fit the console message's buffer.
std::string FormatErrorText(std::string_view systemText, DWORD error);

// The same for the calling thread's last error.
std::string LastErrorText();

}  // namespace maintsvc
