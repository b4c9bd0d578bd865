#pragma once
// The gallery's pictures: 0xRRGGBB pixels, rows top first; reading our layer
// BMPs, composing a layer list the way the folder's picture does, writing
// PNG files.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "nicconf/picture/core/layer.h"

namespace nic::picture {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB

  Image() = default;
  Image(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
  std::uint32_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
};

// An uncompressed 24- or 32-bit BMP (bottom-up or top-down); nothing when
// the bytes are not one, are cut short, or claim more than they hold.
std::optional<Image> ParseBmp(const std::vector<std::uint8_t>& bytes);
std::optional<Image> ReadBmp(const std::string& path);

// Looks a layer's bitmap up by its resource name; nothing when it is missing.
using BitmapSource = std::optional<Image> (*)(const std::string& name, const void* context);

// The 200 x 200 picture, black at first: per layer, the bitmap's right half
// AND-ed onto the canvas at (x, y), then its left half OR-ed, each of the
// layer's drawn size and clipped to the canvas and to the bitmap. Layers
// whose bitmap is missing are skipped; their names are added to `missing`.
Image Compose(const LayerList& layers, BitmapSource source, const void* context,
              std::vector<std::string>* missing = nullptr);

// PNG bytes of an image: 8-bit RGB, stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> EncodePng(const Image& image);
bool WritePng(const std::string& path, const Image& image);

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

// Text in a 5 x 7 pixel font (capitals, digits, a few signs), `scale` pixels
// per font pixel, its top left at (x, y); clipped to the image.
void DrawText(Image& image, int x, int y, const std::string& text, std::uint32_t colour, int scale = 1);
int TextWidth(const std::string& text, int scale = 1);

}  // namespace nic::picture
