#include <algorithm>
#include <array>
#include <fstream>

#include "nicconf/picture/gallery/image.h"

namespace nic::picture {
namespace {

std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  Put32(out, std::uint32_t(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler) {
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(const Image& image) {
  // Filter byte 0 before every row, then the RGB bytes.
  std::vector<std::uint8_t> raw;
  raw.reserve(std::size_t(image.height) * (1 + 3 * std::size_t(image.width)));
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.At(x, y);
      raw.push_back(std::uint8_t(p >> 16));
      raw.push_back(std::uint8_t(p >> 8));
      raw.push_back(std::uint8_t(p));
    }
  }
  // zlib stream of stored blocks, each at most 65535 bytes.
  std::vector<std::uint8_t> z{0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(std::uint8_t(n));
    z.push_back(std::uint8_t(n >> 8));
    z.push_back(std::uint8_t(~n));
    z.push_back(std::uint8_t(~n >> 8));
    z.insert(z.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + n));
    at += n;
  } while (at < raw.size());
  Put32(z, Adler32(raw.data(), raw.size()));

  std::vector<std::uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  Put32(header, std::uint32_t(image.width));
  Put32(header, std::uint32_t(image.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, no interlace
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", z);
  Chunk(out, "IEND", {});
  return out;
}

bool WritePng(const std::string& path, const Image& image) {
  const std::vector<std::uint8_t> bytes = EncodePng(image);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace nic::picture
