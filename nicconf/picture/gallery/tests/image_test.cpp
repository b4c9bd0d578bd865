#include "nicconf/picture/gallery/image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace nic::picture {
namespace {

std::vector<std::uint8_t> Bytes(const char* text) { return {text, text + std::strlen(text)}; }

std::uint32_t Be32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

// A BMP file of w x h 24-bit pixels given top row first.
std::vector<std::uint8_t> Bmp(int w, int h, const std::vector<std::uint32_t>& pixels, bool topDown = false) {
  const int stride = (w * 3 + 3) & ~3;
  std::vector<std::uint8_t> b(54 + std::size_t(stride) * h, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, std::uint32_t(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(w));
  put32(22, std::uint32_t(topDown ? -h : h));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < h; ++y) {
    const int row = topDown ? y : h - 1 - y;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = pixels[std::size_t(y * w + x)];
      const std::size_t at = 54 + std::size_t(row) * stride + std::size_t(x) * 3;
      b[at] = std::uint8_t(p);
      b[at + 1] = std::uint8_t(p >> 8);
      b[at + 2] = std::uint8_t(p >> 16);
    }
  }
  return b;
}

TEST(Checksums, KnownValues) {
  const auto digits = Bytes("123456789");
  EXPECT_EQ(Crc32(digits.data(), digits.size()), 0xCBF43926u);
  EXPECT_EQ(Crc32(nullptr, 0), 0u);
  const auto word = Bytes("Wikipedia");
  EXPECT_EQ(Adler32(word.data(), word.size()), 0x11E60398u);
  // carried on in pieces, as the PNG writer would
  EXPECT_EQ(Crc32(digits.data() + 4, 5, Crc32(digits.data(), 4)), 0xCBF43926u);
}

// Inflates stored deflate blocks back, checking their framing.
std::vector<std::uint8_t> Unstore(const std::vector<std::uint8_t>& z, int& blocks) {
  std::vector<std::uint8_t> out;
  std::size_t at = 2;
  blocks = 0;
  for (bool last = false; !last;) {
    last = z.at(at) & 1;
    EXPECT_EQ(z[at] & 6, 0) << "not a stored block";
    const std::size_t n = z.at(at + 1) | (z.at(at + 2) << 8);
    EXPECT_EQ(n ^ 0xFFFF, std::size_t(z.at(at + 3) | (z.at(at + 4) << 8)));
    out.insert(out.end(), z.begin() + std::ptrdiff_t(at + 5), z.begin() + std::ptrdiff_t(at + 5 + n));
    at += 5 + n;
    ++blocks;
  }
  EXPECT_EQ(Be32(z, at), Adler32(out.data(), out.size()));
  EXPECT_EQ(at + 4, z.size());
  return out;
}

TEST(Png, ChunksAndRowsRoundTrip) {
  for (const auto& [w, h] : std::map<int, int>{{3, 2}, {200, 120}}) {  // one block, then several
    Image image(w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) image.At(x, y) = std::uint32_t(x * 0x010203 + y * 0x30201) & 0xFFFFFF;
    }
    const std::vector<std::uint8_t> png = EncodePng(image);
    ASSERT_GT(png.size(), 8u + 25 + 12);
    EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    // walk the chunks, checking each CRC
    std::size_t at = 8;
    std::vector<std::string> types;
    std::vector<std::uint8_t> idat;
    while (at < png.size()) {
      const std::uint32_t n = Be32(png, at);
      const std::string type(png.begin() + std::ptrdiff_t(at + 4), png.begin() + std::ptrdiff_t(at + 8));
      ASSERT_LE(at + 12 + n, png.size());
      EXPECT_EQ(Be32(png, at + 8 + n), Crc32(png.data() + at + 4, 4 + n)) << type;
      if (type == "IHDR") {
        EXPECT_EQ(Be32(png, at + 8), std::uint32_t(w));
        EXPECT_EQ(Be32(png, at + 12), std::uint32_t(h));
        EXPECT_EQ(png[at + 16], 8);
        EXPECT_EQ(png[at + 17], 2);
      }
      if (type == "IDAT") idat.assign(png.begin() + std::ptrdiff_t(at + 8), png.begin() + std::ptrdiff_t(at + 8 + n));
      types.push_back(type);
      at += 12 + n;
    }
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    int blocks = 0;
    const std::vector<std::uint8_t> raw = Unstore(idat, blocks);
    EXPECT_EQ(blocks, int(raw.size() + 65534) / 65535);
    ASSERT_EQ(raw.size(), std::size_t(h) * (1 + 3 * w));
    for (int y = 0; y < h; ++y) {
      ASSERT_EQ(raw[std::size_t(y) * (1 + 3 * w)], 0) << "filter byte";
      for (int x = 0; x < w; ++x) {
        const std::size_t p = std::size_t(y) * (1 + 3 * w) + 1 + 3 * std::size_t(x);
        ASSERT_EQ((std::uint32_t(raw[p]) << 16) | (raw[p + 1] << 8) | raw[p + 2], image.At(x, y));
      }
    }
  }
}

TEST(Bmp, ReadsRowsEitherWayUpWithPadding) {
  const std::vector<std::uint32_t> pixels = {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0xD0E0F0, 0x010203};
  for (bool topDown : {false, true}) {
    const std::optional<Image> image = ParseBmp(Bmp(3, 2, pixels, topDown));  // 9-byte rows, padded to 12
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, pixels);
  }
}

TEST(Bmp, RefusesWhatItCannotReadWhole) {
  const std::vector<std::uint8_t> good = Bmp(3, 2, std::vector<std::uint32_t>(6, 0xFFFFFF));
  ASSERT_TRUE(ParseBmp(good));
  auto with = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> b = good;
    b[at] = value;
    return b;
  };
  EXPECT_FALSE(ParseBmp({}));
  EXPECT_FALSE(ParseBmp(std::vector<std::uint8_t>(good.begin(), good.end() - 1)));  // a row cut short
  EXPECT_FALSE(ParseBmp(std::vector<std::uint8_t>(good.begin(), good.begin() + 40)));
  EXPECT_FALSE(ParseBmp(with(0, 'X')));
  EXPECT_FALSE(ParseBmp(with(28, 8)));      // palette bitmap
  EXPECT_FALSE(ParseBmp(with(30, 1)));      // compressed
  EXPECT_FALSE(ParseBmp(with(18, 0)));      // width 0
  EXPECT_FALSE(ParseBmp(with(21, 0x80)));   // negative width
  EXPECT_FALSE(ParseBmp(with(21, 0x7F)));   // a huge width the bytes do not hold
  EXPECT_FALSE(ParseBmp(with(25, 0x40)));   // a huge height
  EXPECT_FALSE(ParseBmp(with(13, 0x10)));   // pixels beyond the end
  EXPECT_FALSE(ParseBmp(with(14, 0xFF)));   // header longer than the file
  EXPECT_FALSE(ReadBmp("/nonexistent/P_NONE.bmp"));
}

// Layer bitmaps kept in memory for the composer.
struct Store {
  std::map<std::string, Image> bitmaps;
  static std::optional<Image> Get(const std::string& name, const void* context) {
    const auto& m = static_cast<const Store*>(context)->bitmaps;
    const auto it = m.find(name);
    if (it == m.end()) return std::nullopt;
    return it->second;
  }
};

// A w x h layer: `picture` where `opaque`, clear elsewhere.
Image LayerBitmap(int w, int h, std::uint32_t picture, bool (*opaque)(int x, int y)) {
  Image b(2 * w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool on = opaque(x, y);
      b.At(x, y) = on ? picture : 0;
      b.At(w + x, y) = on ? 0 : 0xFFFFFF;
    }
  }
  return b;
}

TEST(Compose, MaskThenPictureLayerByLayer) {
  Store store;
  store.bitmaps["BG"] = LayerBitmap(200, 200, 0x808080, [](int, int) { return true; });
  store.bitmaps["RING"] = LayerBitmap(4, 4, 0x00FF00, [](int x, int y) { return x == 0 || y == 0 || x == 3 || y == 3; });
  store.bitmaps["DOT"] = LayerBitmap(2, 2, 0xFF0000, [](int, int) { return true; });
  const LayerList layers = {{"BG", 400, 200, 0, 0}, {"RING", 8, 4, 10, 20}, {"GONE", 8, 4, 0, 0},
                            {"DOT", 4, 2, 11, 21}};
  std::vector<std::string> missing;
  const Image canvas = Compose(layers, Store::Get, &store, &missing);
  EXPECT_EQ(missing, std::vector<std::string>{"GONE"});
  EXPECT_EQ(canvas.At(10, 20), 0x00FF00u);  // ring
  EXPECT_EQ(canvas.At(11, 21), 0xFF0000u);  // dot over the ring's hole
  EXPECT_EQ(canvas.At(12, 22), 0xFF0000u);
  EXPECT_EQ(canvas.At(13, 21), 0x00FF00u);  // ring beside the dot
  EXPECT_EQ(canvas.At(9, 20), 0x808080u);   // background where nothing else lies
  EXPECT_EQ(canvas.At(199, 199), 0x808080u);
}

TEST(Compose, ClipsToCanvasAndToTheBitmap) {
  Store store;
  store.bitmaps["SQ"] = LayerBitmap(10, 10, 0xFFFFFF, [](int, int) { return true; });
  // half off every edge, and a record larger than its bitmap
  const LayerList layers = {{"SQ", 20, 10, -5, -5}, {"SQ", 20, 10, 195, 195}, {"SQ", 60, 30, 100, 100}};
  const Image canvas = Compose(layers, Store::Get, &store);
  EXPECT_EQ(canvas.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(4, 4), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(5, 5), 0u);  // black canvas start
  EXPECT_EQ(canvas.At(199, 199), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(109, 109), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(110, 100), 0u);
  EXPECT_EQ(canvas.At(100, 110), 0u);
}

TEST(Text, GlyphsAndBlanksClipped) {
  Image image(20, 10, 0);
  DrawText(image, 0, 0, "I?", 0xFFFFFF);
  EXPECT_EQ(image.At(2, 0), 0xFFFFFFu);   // the I's bar
  EXPECT_EQ(image.At(0, 3), 0u);
  for (int y = 0; y < 7; ++y) {
    for (int x = 6; x < 12; ++x) EXPECT_EQ(image.At(x, y), 0u);  // no glyph for '?'
  }
  DrawText(image, 17, 8, "WW", 0xFFFFFF, 3);  // runs off the image
  EXPECT_EQ(TextWidth("ABC", 2), 36);
}

}  // namespace
}  // namespace nic::picture
