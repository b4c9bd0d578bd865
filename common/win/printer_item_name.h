#pragma once
// The printer a host's item stands for: the shell's Printers folder names
// its items; where it names none (Wine's lists no printers), the mail
// notification module's own printer item carries the name.

#include <windows.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "common/mail_printer_item.h"

// Nothing when neither names the item.
std::optional<std::string> PrinterNameOf(LPCITEMIDLIST item);

// The module's printer item in the shell allocator's memory, which
// CoTaskMemFree frees; null when a text is too long or no memory is left.
LPITEMIDLIST NewMailPrinterItem(const dav::MailPrinterItem& printer);
