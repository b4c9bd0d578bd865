#pragma once
// The answer to a printer-state question, read from the NIC's configuration
// items (the NAK reply to command 2): power-off settings as three words.

#include <cstdint>
#include <span>

namespace portmon {

// Bits 0, 1, 2 of word 0 are set or cleared (others stay as the caller had
// them); word 1 and word 2 are numbers. Items start at offset 6 of the
// reply; a missing key ends the reading with false, keeping what was set.
bool ReadPrinterState(std::span<const std::uint8_t> reply, std::uint32_t (&words)[3]);

}  // namespace portmon
