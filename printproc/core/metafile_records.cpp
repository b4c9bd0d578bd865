#include "printproc/core/metafile_records.h"

#include <optional>

#include "printproc/core/metafile.h"
#include "printproc/core/packed_dib.h"

namespace printproc {
namespace {

// Parameters are 16-bit words after the six-byte record header.
class Params {
 public:
  explicit Params(Bytes record) : params_(record.subspan(kMetaRecordHeaderSize)) {}
  std::size_t words() const { return params_.size() / 2; }
  std::optional<std::uint16_t> at(std::size_t word) const { return ReadU16(params_, word * 2); }
  Bytes from(std::size_t word) const {
    return word * 2 <= params_.size() ? params_.subspan(word * 2) : Bytes();
  }
  bool Holds(std::uint64_t words) const { return words <= this->words(); }

 private:
  Bytes params_;
};

// The blits' bitmaps give no colour use: their tables are RGB.
constexpr std::uint8_t kRgbColorsAlways = 0xFF;

enum class Shape {
  Fixed,        // only the words given
  Objects1,     // one object index first
  Objects2,     // two object indices first
  Points,       // a count, then that many points
  PolyPolygon,  // a count of polygons, their point counts, the points
  Palette,      // start, count, four bytes per entry
  Escape,       // escape number, byte count, the bytes
  Font,         // a LOGFONT whose face name ends inside the record
  TextOut,
  ExtTextOut,
  Dib,          // a packed bitmap at word `dibAt`, its colour use at `usageAt`
  DibOrNone,    // the same, or a blit without source of `least` words
  Region,
};

struct RecordShape {
  std::uint16_t function;
  Shape shape;
  std::uint8_t least;  // parameter words GDI reads in any case
  std::uint8_t dibAt = 0;
  std::uint8_t usageAt = kRgbColorsAlways;
};

constexpr RecordShape kShapes[] = {
    {0x001E, Shape::Fixed, 0},  {0x0035, Shape::Fixed, 0},  {0x0102, Shape::Fixed, 1},
    {0x0103, Shape::Fixed, 1},  {0x0104, Shape::Fixed, 1},  {0x0105, Shape::Fixed, 1},
    {0x0106, Shape::Fixed, 1},  {0x0107, Shape::Fixed, 1},  {0x0108, Shape::Fixed, 1},
    {0x0127, Shape::Fixed, 1},  {0x012E, Shape::Fixed, 1},  {0x0139, Shape::Fixed, 1},
    {0x0149, Shape::Fixed, 2},  {0x0201, Shape::Fixed, 2},  {0x0209, Shape::Fixed, 2},
    {0x020A, Shape::Fixed, 2},  {0x020B, Shape::Fixed, 2},  {0x020C, Shape::Fixed, 2},
    {0x020D, Shape::Fixed, 2},  {0x020E, Shape::Fixed, 2},  {0x020F, Shape::Fixed, 2},
    {0x0211, Shape::Fixed, 2},  {0x0213, Shape::Fixed, 2},  {0x0214, Shape::Fixed, 2},
    {0x0220, Shape::Fixed, 2},  {0x0231, Shape::Fixed, 2},  {0x0410, Shape::Fixed, 4},
    {0x0412, Shape::Fixed, 4},  {0x0415, Shape::Fixed, 4},  {0x0416, Shape::Fixed, 4},
    {0x0418, Shape::Fixed, 4},  {0x0419, Shape::Fixed, 4},  {0x041B, Shape::Fixed, 4},
    {0x041F, Shape::Fixed, 4},  {0x0548, Shape::Fixed, 5},  {0x061C, Shape::Fixed, 6},
    {0x061D, Shape::Fixed, 6},  {0x0817, Shape::Fixed, 8},  {0x081A, Shape::Fixed, 8},
    {0x0830, Shape::Fixed, 8},  {0x02FA, Shape::Fixed, 5},  {0x02FC, Shape::Fixed, 4},
    {0x012A, Shape::Objects1, 1},  // InvertRegion
    {0x012B, Shape::Objects1, 1},  // PaintRegion
    {0x012C, Shape::Objects1, 1},  // SelectClipRegion
    {0x012D, Shape::Objects1, 1},  // SelectObject
    {0x01F0, Shape::Objects1, 1},  // META_DELETEOBJECT
    {0x0234, Shape::Objects1, 1},  // SelectPalette
    {0x0228, Shape::Objects2, 2},  // FillRegion
    {0x0429, Shape::Objects2, 4},  // FrameRegion
    {0x0324, Shape::Points, 1},    // Polygon
    {0x0325, Shape::Points, 1},    // Polyline
    {0x0538, Shape::PolyPolygon, 1},
    {0x00F7, Shape::Palette, 2},   // CreatePalette
    {0x0037, Shape::Palette, 2},   // SetPalEntries
    {0x0436, Shape::Palette, 2},   // AnimatePalette
    {0x0626, Shape::Escape, 2},
    {0x02FB, Shape::Font, 9},
    {0x0521, Shape::TextOut, 1},
    {0x0A32, Shape::ExtTextOut, 4},
    {0x0D33, Shape::Dib, 9, 9, 0},         // SetDIBitsToDevice
    {0x0F43, Shape::Dib, 11, 11, 2},       // StretchDIBits
    {0x0940, Shape::DibOrNone, 9, 8},      // DIB BitBlt
    {0x0B41, Shape::Dib, 10, 10},          // DIB StretchBlt: GDI always takes a bitmap
    {0x0142, Shape::Dib, 2, 2, 1},         // DIB pattern brush
    {0x06FF, Shape::Region, 11},
};

constexpr std::size_t kFaceNameBytes = 32;
constexpr std::size_t kFontFixedWords = 9;
constexpr std::uint16_t kRectOptions = 0x0002 | 0x0004;
// Records shorter than this blit without a source bitmap.
constexpr std::size_t kBlitWithoutSourceWords = 10;

bool IndicesInTable(const Params& params, std::size_t count, std::uint16_t objects) {
  for (std::size_t i = 0; i < count; ++i) {
    if (params.at(i).value_or(objects) >= objects) return false;
  }
  return true;
}

bool PolyPolygonFits(const Params& params) {
  const std::uint16_t polygons = *params.at(0);
  if (!params.Holds(1 + std::uint64_t{polygons})) return false;
  std::uint64_t points = 0;
  for (std::size_t i = 0; i < polygons; ++i) points += *params.at(1 + i);
  return params.Holds(1 + std::uint64_t{polygons} + 2 * points);
}

// The face name is read up to its terminator or its 32 bytes.
bool FontFits(const Params& params) {
  const Bytes face = params.from(kFontFixedWords);
  if (face.size() >= kFaceNameBytes) return true;
  for (const std::uint8_t byte : face) {
    if (byte == 0) return true;
  }
  return false;
}

bool ExtTextOutFits(const Params& params) {
  const std::uint16_t count = *params.at(2);
  const bool rect = (*params.at(3) & kRectOptions) != 0;
  return params.Holds(4 + (rect ? 4 : 0) + (std::uint64_t{count} + 1) / 2);
}

bool DibFits(const Params& params, const RecordShape& shape) {
  const auto usage =
      shape.usageAt == kRgbColorsAlways ? std::optional(kDibRgbColors) : params.at(shape.usageAt);
  return usage && PackedDibSize(params.from(shape.dibAt), *usage).has_value();
}

// Bands of a region: a count of x values, top, bottom, the values, the
// count again.
bool RegionFits(const Params& params) {
  const std::uint16_t bands = *params.at(5);
  std::uint64_t at = 11;
  for (std::size_t band = 0; band < bands; ++band) {
    const auto count = params.at(static_cast<std::size_t>(at));
    if (!count) return false;
    at += std::uint64_t{*count} + 4;
    if (!params.Holds(at)) return false;
  }
  return true;
}

bool ShapeFits(const Params& params, const RecordShape& shape, std::uint16_t objects) {
  switch (shape.shape) {
    case Shape::Fixed:
      return true;
    case Shape::Objects1:
      return IndicesInTable(params, 1, objects);
    case Shape::Objects2:
      return IndicesInTable(params, 2, objects);
    case Shape::Points:
      return params.Holds(1 + 2 * std::uint64_t{*params.at(0)});
    case Shape::PolyPolygon:
      return PolyPolygonFits(params);
    case Shape::Palette:
      return params.Holds(2 + 2 * std::uint64_t{*params.at(1)});
    case Shape::Escape:
      return params.Holds(2 + (std::uint64_t{*params.at(1)} + 1) / 2);
    case Shape::Font:
      return FontFits(params);
    case Shape::TextOut:
      return params.Holds(1 + (std::uint64_t{*params.at(0)} + 1) / 2 + 2);
    case Shape::ExtTextOut:
      return ExtTextOutFits(params);
    case Shape::Dib:
      return DibFits(params, shape);
    case Shape::DibOrNone:
      return params.words() < kBlitWithoutSourceWords || DibFits(params, shape);
    case Shape::Region:
      return RegionFits(params);
  }
  return false;
}

}  // namespace

bool RecordHoldsTogether(Bytes record, std::uint16_t objects) {
  const auto function = ReadU16(record, 4);
  if (!function) return false;
  const Params params(record);
  for (const RecordShape& shape : kShapes) {
    if (shape.function != *function) continue;
    return params.Holds(shape.least) && ShapeFits(params, shape, objects);
  }
  return false;
}

}  // namespace printproc
