#include "printproc/core/picture_file.h"

#include "printproc/core/metafile.h"

namespace printproc {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr std::uint16_t kClipboardMark = 50000;
constexpr std::size_t kClipboardHeaderSize = 4;
constexpr std::size_t kClipboardEntrySize = 89;
constexpr std::uint16_t kMetafilePictureFormat = 3;
constexpr std::size_t kMetafilePictureSize = 8;

// The metafile at the start of `bytes`, cut to its end record.
std::optional<Bytes> MetafileAt(Bytes bytes) {
  const auto length = MetafileLength(bytes);
  if (!length) return std::nullopt;
  return bytes.first(*length);
}

std::optional<PictureFile> ReadPlaceable(Bytes file) {
  if (!FieldFits(file, 0, kPlaceableHeaderSize)) return std::nullopt;
  const auto metafile = MetafileAt(file.subspan(kPlaceableHeaderSize));
  if (!metafile) return std::nullopt;
  PictureFile picture;
  picture.kind = PictureKind::Placeable;
  picture.metafile = *metafile;
  picture.box = {*ReadI16(file, 6), *ReadI16(file, 8), *ReadI16(file, 10), *ReadI16(file, 12)};
  return picture;
}

// The data of the first entry of format 3, when it lies inside the file.
std::optional<Bytes> MetafilePictureData(Bytes file) {
  const auto count = ReadU16(file, 2);
  for (std::size_t i = 0; count && i < *count; ++i) {
    const std::size_t entry = kClipboardHeaderSize + i * kClipboardEntrySize;
    if (!FieldFits(file, entry, kClipboardEntrySize)) return std::nullopt;
    if (*ReadU16(file, entry) != kMetafilePictureFormat) continue;
    const std::uint32_t length = *ReadU32(file, entry + 2);
    const std::uint32_t offset = *ReadU32(file, entry + 6);
    if (!FieldFits(file, offset, length)) return std::nullopt;
    return file.subspan(offset, length);
  }
  return std::nullopt;
}

std::optional<PictureFile> ReadClipboard(Bytes file) {
  const auto data = MetafilePictureData(file);
  if (!data || !FieldFits(*data, 0, kMetafilePictureSize)) return std::nullopt;
  const auto metafile = MetafileAt(data->subspan(kMetafilePictureSize));
  if (!metafile) return std::nullopt;
  PictureFile picture;
  picture.kind = PictureKind::Clipboard;
  picture.metafile = *metafile;
  picture.mappingMode = *ReadI16(*data, 0);
  picture.xExtent = *ReadI16(*data, 2);
  picture.yExtent = *ReadI16(*data, 4);
  return picture;
}

std::optional<PictureFile> ReadPlain(Bytes file) {
  const auto metafile = MetafileAt(file);
  if (!metafile) return std::nullopt;
  PictureFile picture;
  picture.metafile = *metafile;
  return picture;
}

}  // namespace

std::optional<PictureFile> ReadPictureFile(Bytes file) {
  if (ReadU32(file, 0) == kPlaceableKey) return ReadPlaceable(file);
  if (ReadU16(file, 0) == kClipboardMark) return ReadClipboard(file);
  return ReadPlain(file);
}

}  // namespace printproc
