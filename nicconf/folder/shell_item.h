#pragma once
// Printer items in the shell allocator's memory: made from a record, read
// back within the size the allocator gave, freed through it.

#include <shlobj.h>

#include "nicproto/printer_record.h"

// Null when memory runs out.
LPITEMIDLIST NewPrinterItem(const nic::PrinterRecord& record);
// False for an item that is none of ours or does not decode.
bool ReadPrinterItem(LPCITEMIDLIST item, nic::PrinterRecord& record);
void FreePrinterItem(LPITEMIDLIST item);
