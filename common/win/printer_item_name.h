#pragma once
// The printer a host's item stands for: the shell's Printers folder names
// its items; where it names none (Wine's lists no printers), the mail
// notification module's own printer item carries the name.

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

// Nothing when neither names the item.
std::optional<std::string> PrinterNameOf(LPCITEMIDLIST item);
