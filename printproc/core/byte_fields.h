#pragma once
// Little-endian fields inside blocks that come from the status manager, the
// registry and picture files. A field that does not lie wholly inside its
// block reads as nothing, so no caller can step past the bytes it was given.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace printproc {

using Bytes = std::span<const std::uint8_t>;

inline bool FieldFits(Bytes block, std::size_t offset, std::size_t size) {
  return offset <= block.size() && block.size() - offset >= size;
}

inline std::optional<std::uint8_t> ReadU8(Bytes block, std::size_t offset) {
  if (!FieldFits(block, offset, 1)) return std::nullopt;
  return block[offset];
}

inline std::optional<std::uint16_t> ReadU16(Bytes block, std::size_t offset) {
  if (!FieldFits(block, offset, 2)) return std::nullopt;
  return static_cast<std::uint16_t>(block[offset] | block[offset + 1] << 8);
}

inline std::optional<std::int16_t> ReadI16(Bytes block, std::size_t offset) {
  const auto value = ReadU16(block, offset);
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value);
}

inline std::optional<std::uint32_t> ReadU32(Bytes block, std::size_t offset) {
  if (!FieldFits(block, offset, 4)) return std::nullopt;
  return static_cast<std::uint32_t>(block[offset]) |
         static_cast<std::uint32_t>(block[offset + 1]) << 8 |
         static_cast<std::uint32_t>(block[offset + 2]) << 16 |
         static_cast<std::uint32_t>(block[offset + 3]) << 24;
}

}  // namespace printproc
