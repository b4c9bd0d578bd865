#pragma once
// A separator page drawn from a picture file, one of three kinds:
//   placeable metafile  the key 0x9AC6CDD7, a 22-byte header whose box
//                       gives the window, then the metafile;
//   clipboard file      the 16-bit mark 50000, a count of 89-byte entries
//                       (u16 format, u32 length, u32 offset, name); the
//                       entry of format 3 points at a 16-bit metafile
//                       picture (mapping mode, x and y extents, handle)
//                       followed by the metafile;
//   plain metafile      anything else.

#include <cstdint>
#include <optional>

#include "printproc/core/byte_fields.h"

namespace printproc {

enum class PictureKind { Placeable, Clipboard, Plain };

struct PictureBox {
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t right = 0;
  std::int16_t bottom = 0;
};

struct PictureFile {
  PictureKind kind = PictureKind::Plain;
  Bytes metafile;      // a well-formed metafile through its end record
  PictureBox box;      // placeable: the window
  std::int16_t mappingMode = 0;  // clipboard: the picture's mapping mode
  std::int16_t xExtent = 0;      // and extents
  std::int16_t yExtent = 0;
};

// Nothing when the file holds no well-formed metafile where its kind says.
std::optional<PictureFile> ReadPictureFile(Bytes file);

}  // namespace printproc
