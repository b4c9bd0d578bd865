#pragma once
// Windows metafiles as separator pages carry them: an 18-byte header, then
// records (u32 size in 16-bit words, u16 function, parameters) up to the end
// record, function 0. GDI walks the records by their sizes and looks
// objects up by index without asking how many there are, so a metafile
// reaches it only once its records are known to stay inside its bytes and
// each to hold what GDI reads of it (metafile_records.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "printproc/core/byte_fields.h"

namespace printproc {

inline constexpr std::size_t kMetaHeaderSize = 18;
inline constexpr std::size_t kMetaRecordHeaderSize = 6;
inline constexpr std::uint16_t kMetaTextOut = 0x0521;
inline constexpr std::uint16_t kMetaExtTextOut = 0x0A32;

// The length of the well-formed metafile at the start of `bytes`, through
// its end record; nothing when it is not one.
std::optional<std::size_t> MetafileLength(Bytes bytes);

// A TextOut or ExtTextOut record's content.
struct TextRecord {
  bool extended = false;  // ExtTextOut
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::uint16_t options = 0;                     // ExtTextOut only
  std::optional<std::array<std::int16_t, 4>> rect;  // left, top, right, bottom
  Bytes text;
};

// Nothing for other records and for text records whose text would run past
// the record.
std::optional<TextRecord> ReadTextRecord(Bytes record);

// 1, 2 or 3 for the placeholders "%1%", "%2%", "%3%"; 0 for any other text.
int PlaceholderNumber(Bytes text);

}  // namespace printproc
