// The records GDI would read past: each whole, then one word or one count
// too short; bitmaps measured by their headers; records nobody documented.
#include <gtest/gtest.h>

#include <vector>

#include "printproc/core/metafile_records.h"
#include "printproc/core/packed_dib.h"
#include "printproc/testing/status_blocks.h"

namespace printproc {
namespace {

using test::Block;
using test::PutU16;
using test::PutU32;

Block Record(std::uint16_t function, const std::vector<std::uint16_t>& params) {
  Block record = test::Words({static_cast<std::uint32_t>(3 + params.size())});
  PutU16(record, 4, function);
  for (const std::uint16_t param : params) PutU16(record, record.size(), param);
  return record;
}

bool Holds(std::uint16_t function, const std::vector<std::uint16_t>& params, std::uint16_t objects = 4) {
  return RecordHoldsTogether(Record(function, params), objects);
}

// The parameters without their last word.
std::vector<std::uint16_t> Short(std::vector<std::uint16_t> params) {
  params.pop_back();
  return params;
}

// A packed bitmap as 16-bit words: info header, `colors` RGB entries, rows.
std::vector<std::uint16_t> Dib(std::int32_t width, std::int32_t height, std::uint16_t bits,
                               std::uint32_t compression = 0, std::uint32_t imageSize = 0,
                               std::uint32_t colors = 0) {
  Block dib;
  PutU32(dib, 0, 40);
  PutU32(dib, 4, static_cast<std::uint32_t>(width));
  PutU32(dib, 8, static_cast<std::uint32_t>(height));
  PutU16(dib, 12, 1);
  PutU16(dib, 14, bits);
  PutU32(dib, 16, compression);
  PutU32(dib, 20, imageSize);
  PutU32(dib, 32, colors);
  PutU32(dib, 36, 0);
  const std::uint32_t table = colors != 0 ? colors : (bits <= 8 ? 1u << bits : 0);
  const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
  const std::size_t columns = static_cast<std::size_t>(width < 0 ? -width : width);
  const std::size_t pixels = compression == 0 ? (columns * bits + 31) / 32 * 4 * rows : imageSize;
  dib.resize(40 + table * 4 + pixels, 0);
  std::vector<std::uint16_t> words;
  for (std::size_t at = 0; at < dib.size(); at += 2) {
    words.push_back(static_cast<std::uint16_t>(dib[at] | dib[at + 1] << 8));
  }
  return words;
}

std::vector<std::uint16_t> Concat(std::vector<std::uint16_t> first, const std::vector<std::uint16_t>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

TEST(MetafileRecordsTest, FixedRecordsNeedEveryWordGdiReads) {
  EXPECT_TRUE(Holds(0x041B, {1, 2, 3, 4}));  // Rectangle
  EXPECT_FALSE(Holds(0x041B, {1, 2, 3}));
  EXPECT_TRUE(Holds(0x0817, {1, 2, 3, 4, 5, 6, 7, 8}));  // Arc
  EXPECT_FALSE(Holds(0x0817, {1, 2, 3, 4, 5, 6, 7}));
  EXPECT_TRUE(Holds(0x001E, {}));  // SaveDC
  EXPECT_TRUE(Holds(0x02FA, {0, 1, 0, 0, 0}));  // CreatePenIndirect
  EXPECT_FALSE(Holds(0x02FA, {0, 1, 0, 0}));
  EXPECT_FALSE(Holds(0x062F, {0, 0, 0, 0, 0, 0, 0, 0}));  // DrawText: not documented for metafiles
  EXPECT_FALSE(Holds(0x0B23, std::vector<std::uint16_t>(40, 0)));  // StretchBlt with an old bitmap
  EXPECT_FALSE(RecordHoldsTogether(Block{3, 0, 0, 0, 0x1B}, 4));  // cut in its header
}

TEST(MetafileRecordsTest, ObjectIndicesStayInsideTheTable) {
  EXPECT_TRUE(Holds(0x012D, {3}));
  EXPECT_FALSE(Holds(0x012D, {4}));
  EXPECT_FALSE(Holds(0x01F0, {}));
  EXPECT_TRUE(Holds(0x0429, {0, 1, 2, 2}));  // FrameRegion: region, brush, size
  EXPECT_FALSE(Holds(0x0429, {0, 1, 2}));
  EXPECT_FALSE(Holds(0x0228, {0, 9}));
}

TEST(MetafileRecordsTest, CountedRecordsHoldWhatTheirCountsSay) {
  const std::vector<std::vector<std::uint16_t>> whole[] = {
      {{0x0324}, {2, 0, 0, 5, 5}},                       // Polygon of two points
      {{0x0538}, {2, 1, 2, 0, 0, 1, 1, 2, 2}},           // PolyPolygon: 1 and 2 points
      {{0x00F7}, {0x300, 2, 0, 0, 0, 0}},                // CreatePalette of two entries
      {{0x0436}, {0, 1, 0, 0}},                          // AnimatePalette
      {{0x0626}, {15, 3, 0, 0}},                         // Escape of three bytes
      {{0x0521}, {3, 0, 0, 10, 20}},                     // TextOut of three characters
      {{0x0A32}, {1, 2, 3, 6, 0, 0, 9, 9, 0, 0}},        // ExtTextOut with its rectangle
      {{0x06FF}, {0, 6, 0, 0, 30, 1, 0, 0, 0, 9, 9, 2, 0, 9, 1, 5, 2}},  // a region of one band
  };
  for (const auto& record : whole) {
    const std::uint16_t function = record[0][0];
    EXPECT_TRUE(Holds(function, record[1])) << std::hex << function;
    EXPECT_FALSE(Holds(function, Short(record[1]))) << std::hex << function;
  }
  EXPECT_FALSE(Holds(0x0324, {0xFFFF, 0, 0}));
  EXPECT_FALSE(Holds(0x0538, {0xFFFF}));
}

TEST(MetafileRecordsTest, AFontsFaceNameEndsInsideItsRecord) {
  const std::vector<std::uint16_t> fixed(9, 0);
  EXPECT_TRUE(Holds(0x02FB, Concat(fixed, {'A' | 'r' << 8, 0})));
  EXPECT_FALSE(Holds(0x02FB, Concat(fixed, {'A' | 'r' << 8, 'i' | 'a' << 8})));
  EXPECT_TRUE(Holds(0x02FB, Concat(fixed, std::vector<std::uint16_t>(16, 'x' | 'x' << 8))));
  EXPECT_FALSE(Holds(0x02FB, Short(fixed)));
}

TEST(MetafileRecordsTest, BitmapsAreMeasuredByTheirHeaders) {
  const std::vector<std::uint16_t> stretch(11, 0);  // usage (word 2) 0: RGB colours
  EXPECT_TRUE(Holds(0x0F43, Concat(stretch, Dib(3, 2, 24))));
  EXPECT_TRUE(Holds(0x0F43, Concat(stretch, Dib(3, -2, 24))));  // top-down
  EXPECT_TRUE(Holds(0x0F43, Concat(stretch, Dib(5, 3, 8, 0, 0, 2))));
  EXPECT_FALSE(Holds(0x0F43, Short(Concat(stretch, Dib(3, 2, 24)))));
  EXPECT_FALSE(Holds(0x0F43, Concat(stretch, Dib(-3, 2, 24))));
  EXPECT_FALSE(Holds(0x0F43, Concat(stretch, Dib(3, 2, 7))));
  EXPECT_TRUE(Holds(0x0F43, Concat(stretch, Dib(4, 4, 8, 1, 10))));   // runs, their size given
  EXPECT_FALSE(Holds(0x0F43, Concat(stretch, Dib(4, 4, 8, 1, 0))));   // runs without one
  EXPECT_FALSE(Holds(0x0F43, Concat(stretch, Dib(4, 4, 24, 4, 10))));  // a JPEG inside

  // Palette indices take two bytes an entry, not four.
  std::vector<std::uint16_t> byIndex = Concat(stretch, Dib(2, 1, 1));
  byIndex[2] = 1;
  EXPECT_TRUE(Holds(0x0F43, byIndex));
  byIndex[2] = 2;
  EXPECT_FALSE(Holds(0x0F43, byIndex));

  // A blit without a source takes no bitmap; with one, all of it.
  EXPECT_TRUE(Holds(0x0940, std::vector<std::uint16_t>(9, 0)));
  EXPECT_TRUE(Holds(0x0940, Concat(std::vector<std::uint16_t>(8, 0), Dib(1, 1, 32))));
  EXPECT_FALSE(Holds(0x0940, Concat(std::vector<std::uint16_t>(8, 0), Short(Dib(1, 1, 32)))));
  EXPECT_FALSE(Holds(0x0B41, std::vector<std::uint16_t>(11, 0)));
}

TEST(MetafileRecordsTest, PackedDibSizesCountHeaderTableAndRows) {
  Block core;
  PutU32(core, 0, 12);
  PutU16(core, 4, 3);   // width
  PutU16(core, 6, 2);   // height
  PutU16(core, 8, 1);
  PutU16(core, 10, 4);  // bits: a table of 16 three-byte entries
  core.resize(12 + 16 * 3 + 2 * 4, 0);
  EXPECT_EQ(PackedDibSize(core, kDibRgbColors), core.size());
  EXPECT_EQ(PackedDibSize(Bytes(core).first(core.size() - 1), kDibRgbColors), std::nullopt);
  EXPECT_EQ(PackedDibSize(core, kDibPaletteColors), 12u + 16 * 2 + 8);
  EXPECT_EQ(PackedDibSize(core, 2), std::nullopt);
}

}  // namespace
}  // namespace printproc
