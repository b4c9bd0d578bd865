#pragma once
// The system's texts are Shift_JIS; a terminal may want another encoding.

#include <string>

// Converts Shift_JIS text to what the terminal shows: natively the locale's
// encoding (UTF-8 when the locale names none), on Windows the console's
// output code page. Bytes that do not convert become '?'.
std::string ForTerminal(const std::string& shiftJis);
