#include <algorithm>
#include <cstddef>
#include <fstream>
#include <iterator>

#include "nicconf/picture/gallery/image.h"

namespace nic::picture {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint16_t(b[at] | (b[at + 1] << 8));
}

constexpr std::size_t kFileHeader = 14;
constexpr std::int64_t kMaxSide = 1 << 14;

}  // namespace

std::optional<Image> ParseBmp(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kFileHeader + 40 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t dataAt = U32(bytes, 10);
  const std::uint32_t infoSize = U32(bytes, 14);
  if (infoSize < 40 || kFileHeader + infoSize > bytes.size()) return std::nullopt;
  const std::int64_t width = std::int32_t(U32(bytes, 18));
  const std::int64_t rawHeight = std::int32_t(U32(bytes, 22));
  const std::uint16_t planes = U16(bytes, 26);
  const std::uint16_t bits = U16(bytes, 28);
  const std::uint32_t compression = U32(bytes, 30);
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -rawHeight : rawHeight;
  if (planes != 1 || (bits != 24 && bits != 32) || compression != 0) return std::nullopt;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  const std::int64_t bytesPerPixel = bits / 8;
  const std::int64_t stride = (width * bytesPerPixel + 3) & ~std::int64_t(3);
  if (dataAt > bytes.size() || std::int64_t(bytes.size() - dataAt) < stride * height) return std::nullopt;

  Image image{int(width), int(height)};
  for (std::int64_t row = 0; row < height; ++row) {
    const std::int64_t y = topDown ? row : height - 1 - row;
    const std::size_t line = dataAt + std::size_t(row * stride);
    for (std::int64_t x = 0; x < width; ++x) {
      const std::size_t p = line + std::size_t(x * bytesPerPixel);
      image.At(int(x), int(y)) = (std::uint32_t(bytes[p + 2]) << 16) | (bytes[p + 1] << 8) | bytes[p];
    }
  }
  return image;
}

std::optional<Image> ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseBmp(bytes);
}

Image Compose(const LayerList& layers, BitmapSource source, const void* context,
              std::vector<std::string>* missing) {
  Image canvas(kCanvasSize, kCanvasSize, 0);
  for (const Layer& layer : layers) {
    const std::optional<Image> bitmap = source(layer.name, context);
    if (!bitmap) {
      if (missing) missing->push_back(layer.name);
      continue;
    }
    const int half = bitmap->width / 2;
    const int w = std::min(layer.DrawnWidth(), half);
    const int h = std::min(layer.height, bitmap->height);
    for (int y = 0; y < h; ++y) {
      const int cy = layer.y + y;
      if (cy < 0 || cy >= kCanvasSize) continue;
      for (int x = 0; x < w; ++x) {
        const int cx = layer.x + x;
        if (cx < 0 || cx >= kCanvasSize) continue;
        std::uint32_t& pixel = canvas.At(cx, cy);
        pixel &= bitmap->At(half + x, y);
        pixel |= bitmap->At(x, y);
      }
    }
  }
  return canvas;
}

}  // namespace nic::picture
