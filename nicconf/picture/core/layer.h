#pragma once
// One layer of a printer picture and the ordered list a recipe gives.
//
// A layer's bitmap holds the picture in its left half and the mask in its
// right half; the drawn size is half the resource width by the resource
// height. Composing a list on the 200 x 200 canvas means, layer by layer,
// AND-ing the mask half onto the canvas at (x, y) and then OR-ing the picture
// half at the same place; a layer whose bitmap is missing is left out.

#include <cstdint>
#include <cstring>
#include <vector>

namespace nic::picture {

inline constexpr int kCanvasSize = 200;
inline constexpr int kPictureFlagCount = 16;

// Installed paper sources and options, each 0 or 1.
using PictureFlags = std::uint32_t[kPictureFlagCount];

struct Layer {
  const char* name;  // bitmap resource name, static text
  int width;         // resource width: picture half and mask half side by side
  int height;
  int x;             // where the drawn half lands on the canvas
  int y;

  int DrawnWidth() const { return width / 2; }
};

inline bool operator==(const Layer& a, const Layer& b) {
  return std::strcmp(a.name, b.name) == 0 && a.width == b.width && a.height == b.height &&
         a.x == b.x && a.y == b.y;
}

// Drawn first to last.
using LayerList = std::vector<Layer>;

}  // namespace nic::picture
