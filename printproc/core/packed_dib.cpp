#include "printproc/core/packed_dib.h"

namespace printproc {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kLargestHeaderSize = 124;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint64_t kMaskBytes = 12;
constexpr std::uint32_t kLargestColorTable = 256;

bool KnownDepth(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::uint64_t RowBytes(std::uint64_t width, std::uint16_t bits) { return (width * bits + 31) / 32 * 4; }

std::optional<std::size_t> Fits(Bytes dib, std::uint64_t size) {
  if (size > dib.size()) return std::nullopt;
  return static_cast<std::size_t>(size);
}

std::optional<std::size_t> CoreDibSize(Bytes dib, std::uint16_t usage) {
  const auto width = ReadU16(dib, 4);
  const auto height = ReadU16(dib, 6);
  const auto bits = ReadU16(dib, 10);
  if (!width || !height || !bits || !KnownDepth(*bits)) return std::nullopt;
  const std::uint64_t colors = *bits <= 8 ? 1u << *bits : 0;
  const std::uint64_t entry = usage == kDibRgbColors ? 3 : 2;
  return Fits(dib, kCoreHeaderSize + colors * entry + RowBytes(*width, *bits) * *height);
}

std::optional<std::size_t> InfoDibSize(Bytes dib, std::uint32_t headerSize, std::uint16_t usage) {
  const auto width = ReadU32(dib, 4);
  const auto height = ReadU32(dib, 8);
  const auto bits = ReadU16(dib, 14);
  const auto compression = ReadU32(dib, 16);
  const auto imageSize = ReadU32(dib, 20);
  const auto used = ReadU32(dib, 32);
  if (!width || !height || !bits || !compression || !imageSize || !used || !KnownDepth(*bits) ||
      *used > kLargestColorTable) {
    return std::nullopt;
  }
  const std::uint64_t colors = *used != 0 ? *used : (*bits <= 8 ? 1u << *bits : 0);
  std::uint64_t size = headerSize + colors * (usage == kDibRgbColors ? 4 : 2);
  if (*compression == kBitfields && headerSize == kInfoHeaderSize) size += kMaskBytes;
  const std::int64_t rows = static_cast<std::int32_t>(*height);
  if (*compression == kRgb || *compression == kBitfields) {
    const auto columns = static_cast<std::int32_t>(*width);
    if (columns < 0) return std::nullopt;
    return Fits(dib, size + RowBytes(static_cast<std::uint64_t>(columns), *bits) *
                                static_cast<std::uint64_t>(rows < 0 ? -rows : rows));
  }
  // Runs are decoded only as far as the image size given, which must be.
  if ((*compression == kRle8 || *compression == kRle4) && *imageSize != 0 && rows > 0) {
    return Fits(dib, size + *imageSize);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> PackedDibSize(Bytes dib, std::uint16_t usage) {
  const auto headerSize = ReadU32(dib, 0);
  if (!headerSize || (usage != kDibRgbColors && usage != kDibPaletteColors)) return std::nullopt;
  if (*headerSize == kCoreHeaderSize) return CoreDibSize(dib, usage);
  if (*headerSize < kInfoHeaderSize || *headerSize > kLargestHeaderSize) return std::nullopt;
  return InfoDibSize(dib, *headerSize, usage);
}

}  // namespace printproc
