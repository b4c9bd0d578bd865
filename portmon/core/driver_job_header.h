#pragma once
// The job header the maker's printer driver writes at the very start of a
// job that asks the monitor to collate copies, and the two marker records
// that must follow it within the job's first 256 bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace portmon {

inline constexpr std::size_t kJobExamineLimit = 256;
inline constexpr std::size_t kHeaderSignatureLength = 6;  // bytes 0-3 and the 4 at offset 4

struct DriverJobHeader {
  std::uint16_t length;  // page data begins after it
  std::int16_t copies;
  std::uint16_t valueA;  // offset 18
  std::uint16_t valueB;  // offset 20: 1-based, 0 = none
  std::uint16_t valueC;  // offset 22
  bool collate;          // flags at offset 24, bit 3
};

// Bytes 0x00, 0xF0, any, 0x01 and the little-endian 4 at offset 4.
bool StartsWithHeaderSignature(std::span<const std::uint8_t> bytes);

// The header at the start of `bytes`, when all of it that is read is there.
std::optional<DriverJobHeader> ReadDriverJobHeader(std::span<const std::uint8_t> bytes);

// Whether a key-0 marker and, after it, a key-5 marker stand in the first
// 256 bytes (an odd count rounded down), searched from `from`.
bool HasCollationMarkers(std::span<const std::uint8_t> bytes, std::size_t from);

}  // namespace portmon
