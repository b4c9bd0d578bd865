// Separator picture files of the three kinds, and the metafile checks that
// stand between a file and GDI.
#include <gtest/gtest.h>

#include <cstring>

#include "printproc/core/metafile.h"
#include "printproc/core/picture_file.h"
#include "printproc/testing/metafile_builder.h"

namespace printproc {
namespace {

using test::Block;
using test::MetafileBuilder;

constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kFillRegion = 0x0228;

std::string Text(Bytes bytes) { return {bytes.begin(), bytes.end()}; }

// The records between the header and the end record.
std::vector<Bytes> Records(Bytes metafile) {
  std::vector<Bytes> records;
  for (std::size_t at = kMetaHeaderSize; ReadU16(metafile, at + 4) != 0;) {
    records.push_back(metafile.subspan(at, *ReadU32(metafile, at) * 2));
    at += records.back().size();
  }
  return records;
}

const Block kPage = MetafileBuilder(2)
                        .Record(kSetWindowExt, {1000, 1400})
                        .Record(kSelectObject, {1})
                        .Text(100, 200, "%1%")
                        .Build();

TEST(PictureFileTest, EachKindGivesItsMetafileAndItsFrame) {
  const auto plain = ReadPictureFile(kPage);
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->kind, PictureKind::Plain);
  EXPECT_EQ(plain->metafile.size(), kPage.size());

  Block padded = test::Placeable(kPage, -10, -20, 300, 400);
  padded.resize(padded.size() + 7, 0xAB);  // what follows the end record stays out
  const auto placeable = ReadPictureFile(padded);
  ASSERT_TRUE(placeable);
  EXPECT_EQ(placeable->kind, PictureKind::Placeable);
  EXPECT_EQ(placeable->metafile.size(), kPage.size());
  EXPECT_EQ(placeable->box.left, -10);
  EXPECT_EQ(placeable->box.bottom, 400);

  const auto clipboard = ReadPictureFile(test::Clipboard(kPage, 8, 2100, -2970));
  ASSERT_TRUE(clipboard);
  EXPECT_EQ(clipboard->kind, PictureKind::Clipboard);
  EXPECT_EQ(clipboard->metafile.size(), kPage.size());
  EXPECT_EQ(clipboard->mappingMode, 8);
  EXPECT_EQ(clipboard->yExtent, -2970);
}

TEST(PictureFileTest, MetafilesThatWouldLeadGdiAstrayAreRefused) {
  Block overrun = kPage;
  overrun[18] = 0xFF;  // the first record claims more than the file holds
  Block tiny = kPage;
  tiny[18] = 2;
  Block unended = kPage;
  unended.resize(unended.size() - 6);
  const Block foreignObject = MetafileBuilder(2).Record(kSelectObject, {2}).Build();
  const Block shortRegion = MetafileBuilder(2).Record(kFillRegion, {0}).Build();
  Block notAHeader = kPage;
  notAHeader[2] = 8;
  for (const Block& file : {overrun, tiny, unended, foreignObject, shortRegion, notAHeader}) {
    EXPECT_FALSE(MetafileLength(file));
    EXPECT_FALSE(ReadPictureFile(file));
  }
  EXPECT_TRUE(MetafileLength(MetafileBuilder(2).Record(kFillRegion, {0, 1}).Build()));
}

TEST(PictureFileTest, CarriersThatPointOutsideThemselvesAreRefused) {
  Block clipboard = test::Clipboard(kPage, 8, 0, 0);
  Block longer = clipboard;
  longer[4 + 89 + 2] = 0xFF;  // the entry's length
  Block farther = clipboard;
  farther[4 + 89 + 9] = 0x7F;  // its offset
  Block noPicture = clipboard;
  noPicture[4 + 89] = 2;
  Block fewerEntries = clipboard;
  fewerEntries.resize(4 + 89 + 50);
  Block placeableOnly = test::Placeable({}, 0, 0, 1, 1);
  for (const Block& file : {longer, farther, noPicture, fewerEntries, placeableOnly}) {
    EXPECT_FALSE(ReadPictureFile(file));
  }
}

TEST(PictureFileTest, TextRecordsAndTheirPlaceholders) {
  const Block page = MetafileBuilder()
                         .Text(100, 200, "%2%")
                         .ExtText(-5, 7, 0x4, "%3%")
                         .ExtText(1, 2, 0, "Date")
                         .Build();
  const std::vector<Bytes> records = Records(page);
  ASSERT_EQ(records.size(), 3u);
  const auto first = ReadTextRecord(records[0]);
  ASSERT_TRUE(first);
  EXPECT_FALSE(first->extended);
  EXPECT_EQ(first->x, 100);
  EXPECT_EQ(first->y, 200);
  EXPECT_EQ(PlaceholderNumber(first->text), 2);
  const auto second = ReadTextRecord(records[1]);
  ASSERT_TRUE(second);
  EXPECT_TRUE(second->extended);
  EXPECT_EQ(second->x, -5);
  EXPECT_EQ(second->options, 0x4);
  ASSERT_TRUE(second->rect);
  EXPECT_EQ((*second->rect)[3], 4);
  EXPECT_EQ(PlaceholderNumber(second->text), 3);
  const auto third = ReadTextRecord(records[2]);
  ASSERT_TRUE(third);
  EXPECT_FALSE(third->rect);
  EXPECT_EQ(Text(third->text), "Date");
  EXPECT_EQ(PlaceholderNumber(third->text), 0);

  // A count running past the record, and a record of another kind.
  Block cut(records[0].begin(), records[0].end());
  cut[6] = 40;
  EXPECT_FALSE(ReadTextRecord(cut));
  Block negative(records[2].begin(), records[2].end());
  negative[11] = 0x80;
  EXPECT_FALSE(ReadTextRecord(negative));
  EXPECT_FALSE(ReadTextRecord(Records(kPage)[0]));
  for (const char* text : {"%4%", "%1", "%1%%", "x1%"}) {
    EXPECT_EQ(PlaceholderNumber(Bytes(reinterpret_cast<const std::uint8_t*>(text), strlen(text))), 0);
  }
}

}  // namespace
}  // namespace printproc
