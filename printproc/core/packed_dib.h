#pragma once
// A device-independent bitmap packed into a metafile record: its header,
// colour table (or masks) and pixels in one run. GDI reads as many pixel
// bytes as the header's size says, whatever the record holds, so a
// bitmap must be measured before it is played.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "printproc/core/byte_fields.h"

namespace printproc {

// How the colour table is given: RGB entries or palette indices.
inline constexpr std::uint16_t kDibRgbColors = 0;
inline constexpr std::uint16_t kDibPaletteColors = 1;

// The bytes the packed bitmap at the start of `dib` takes, header to last
// pixel; nothing when its header is not one GDI would measure the same way
// (an unknown header or compression, a size beyond 32 bits).
std::optional<std::size_t> PackedDibSize(Bytes dib, std::uint16_t usage);

}  // namespace printproc
