#pragma once
// A separator page ready to draw: the simple page of text lines, or a
// checked metafile and the frame it is drawn in.

#include <cstdint>
#include <optional>
#include <vector>

#include "printproc/core/picture_file.h"
#include "printproc/separator.h"

namespace printproc {

struct PageDesign {
  bool simple = false;
  PictureKind kind = PictureKind::Plain;
  std::vector<std::uint8_t> metafile;
  PictureBox box;
  std::int16_t mappingMode = 0;
  std::int16_t xExtent = 0;
  std::int16_t yExtent = 0;
};

// Nothing when no page is to be printed: no separator, or a file (or the
// module's own page) that cannot be read or holds no metafile.
std::optional<PageDesign> LoadPageDesign(const Separator& separator);

// The design of a picture file's bytes.
std::optional<PageDesign> DesignFromPicture(Bytes file);

}  // namespace printproc
