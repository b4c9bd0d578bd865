#pragma once
// The item the folder hands the shell host for each printer: the eight texts
// of its record, each with its zero and nothing else, then the two integers
// as little-endian u32 and a u16 zero. There is no size field in front; the
// block's size is what the shell allocator says it gave.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "nicproto/printer_record.h"

namespace nic {

// A record's empty fields take their defaults ("-----" for model, address and
// version, "00000000" for the network number, "<STATE_UNKNOWN>", "TCP/IP");
// name and MAC have none.
void FillRecordDefaults(PrinterRecord& record);

// The packed item of a record, its defaults filled in; texts are cut at 259
// characters.
std::vector<std::uint8_t> PackPrinterItem(PrinterRecord record);

// Reads an item of `size` bytes back into a record. An item from the host is
// outside input: false, never a read past `size`, for one that is truncated
// or does not end where its last field says.
bool DecodePrinterItem(const std::uint8_t* item, std::size_t size, PrinterRecord& record);

}  // namespace nic
