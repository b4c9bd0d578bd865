#pragma once
// The system's texts are Shift_JIS; a terminal may want another encoding.

#include <string>

#include "nicconf/exchange/message_sink.h"

// Converts Shift_JIS text to what the terminal shows: natively the locale's
// encoding (UTF-8 when the locale names none), on Windows the console's
// output code page. Bytes that do not convert become '?'.
std::string ForTerminal(const std::string& shiftJis);

// The reverse, for text typed on the command line: natively from the
// locale's encoding, on Windows from the code page the program's arguments
// arrive in. Fails, rather than guessing, when a character has no Shift_JIS
// form or the input is not valid in its encoding.
bool FromTerminal(const std::string& typed, std::string& shiftJis);

// The network modules' messages, written to the error output as
// "nicctl: <title>: <text>" in the terminal's encoding.
nic::MessageCalls TerminalMessages();
