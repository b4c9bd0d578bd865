#pragma once
// The three hexadecimal blocks of the status text. A byte is two hex digits,
// high nibble first; a 16-bit value is two bytes, low byte first; a 32-bit
// value two 16-bit values, low half first (513 is written "01020000").
// Fields are named by their offset in the decoded block where the system
// gives them no meaning.

#include <cstddef>
#include <cstdint>

namespace nic {

inline constexpr std::size_t kMaxBlockEntries = 8;

struct PaperSourceEntry {
  std::uint8_t bytes[4];  // bytes[1] == 1: that paper source is installed
};

struct OptionUnitEntry {
  std::uint8_t bytes[3];  // bytes[1] == 2: the unit is installed
};

struct ExtStatusBlock {  // "EXTSTS"
  std::uint32_t alarmBits;
  std::uint16_t word4;
  std::uint32_t dword8;
  std::uint8_t paperSource;      // byte 12
  std::uint8_t byte13;
  std::uint8_t printerSpecific;  // byte 14: its high nibble is the printer family
  std::uint8_t entryCount;       // byte 15, as written
  PaperSourceEntry entries[kMaxBlockEntries];
};

struct AdvancedInfoBlock {  // "ADVINF"
  std::uint32_t alarmBits;
  std::uint16_t word4;
  std::uint32_t dword8;
  std::uint8_t bytes12[13];  // bytes 12..24: [0] paper source, [4] == 2 a printer option
  std::uint8_t entryCount;   // byte 25, or the EXTSTS count (see DecodeAdvancedInfo)
  PaperSourceEntry entries[kMaxBlockEntries];
  std::uint8_t unitCount;
  OptionUnitEntry units[kMaxBlockEntries];
};

struct AdvancedInfo2Block {  // "ADVINF2", 54 characters
  std::uint32_t dword0;
  std::uint8_t byte4;
  std::uint8_t byte5;  // bit 2: a printer option for the picture
  std::uint16_t word6;
  std::uint16_t word8;
  std::uint8_t byte10;
  std::uint16_t words12[4];
  std::uint8_t byte20;
  std::uint8_t byte21;
  std::uint16_t word22;
  std::uint16_t word24;
  std::uint8_t byte26;
  std::uint8_t byte27;
};

// Each decoder fills the block field by field from the left and returns true
// only when every field was there; fields decoded before a shortfall keep
// their values. Lists keep their first kMaxBlockEntries entries; later ones
// are passed over.
bool DecodeExtStatus(const char* text, std::size_t length, ExtStatusBlock& block);

// `entryCountOverride` >= 0 replaces the 4-byte entry count written in the
// block (the count of a fully decoded EXTSTS of the same text wins).
bool DecodeAdvancedInfo(const char* text, std::size_t length, int entryCountOverride,
                        AdvancedInfoBlock& block);

bool DecodeAdvancedInfo2(const char* text, std::size_t length, AdvancedInfo2Block& block);

}  // namespace nic
