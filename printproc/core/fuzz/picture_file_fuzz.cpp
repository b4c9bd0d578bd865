// Separator picture files as they come from disk: whatever is read must lie
// inside the file, and every record of an accepted metafile must too, down
// to the text a placeholder would replace.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "printproc/core/metafile.h"
#include "printproc/core/picture_file.h"

namespace {

bool Inside(printproc::Bytes part, const std::uint8_t* data, std::size_t size) {
  return part.empty() || (part.data() >= data && part.data() + part.size() <= data + size);
}

// Walks the records as the player does, reading each text record.
void WalkRecords(printproc::Bytes metafile) {
  std::size_t at = printproc::kMetaHeaderSize;
  while (at < metafile.size()) {
    const std::size_t length = std::size_t{*printproc::ReadU32(metafile, at)} * 2;
    const printproc::Bytes record = metafile.subspan(at, length);
    if (const auto text = printproc::ReadTextRecord(record)) {
      if (!Inside(text->text, record.data(), record.size())) std::abort();
      printproc::PlaceholderNumber(text->text);
    }
    at += length;
  }
  if (at != metafile.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto picture = printproc::ReadPictureFile(printproc::Bytes(data, size));
  if (!picture) return 0;
  if (picture->metafile.empty() || !Inside(picture->metafile, data, size)) std::abort();
  WalkRecords(picture->metafile);
  return 0;
}
