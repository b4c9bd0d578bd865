#include "printproc/core/metafile.h"

#include "printproc/core/metafile_records.h"

namespace printproc {
namespace {

constexpr std::uint16_t kMemoryMetafile = 1;
constexpr std::uint16_t kDiskMetafile = 2;
constexpr std::uint16_t kHeaderWords = 9;
constexpr std::uint32_t kLeastRecordWords = 3;
constexpr std::uint16_t kEndRecord = 0;
constexpr std::uint16_t kRectOptions = 0x0002 | 0x0004;  // opaque, clipped

std::optional<TextRecord> ReadTextOut(Bytes record) {
  TextRecord text;
  const auto count = ReadU16(record, 6);
  if (!count) return std::nullopt;
  const std::size_t textAt = 8;
  const std::size_t after = textAt + ((*count + 1u) & ~1u);
  const auto y = ReadI16(record, after);
  const auto x = ReadI16(record, after + 2);
  if (!y || !x) return std::nullopt;
  text.x = *x;
  text.y = *y;
  text.text = record.subspan(textAt, *count);
  return text;
}

std::optional<TextRecord> ReadExtTextOut(Bytes record) {
  TextRecord text;
  text.extended = true;
  const auto y = ReadI16(record, 6);
  const auto x = ReadI16(record, 8);
  const auto count = ReadI16(record, 10);
  const auto options = ReadU16(record, 12);
  if (!y || !x || !count || *count < 0 || !options) return std::nullopt;
  text.x = *x;
  text.y = *y;
  text.options = *options;
  std::size_t textAt = 14;
  if ((*options & kRectOptions) != 0) {
    std::array<std::int16_t, 4> rect{};
    for (std::size_t i = 0; i < rect.size(); ++i) {
      const auto side = ReadI16(record, textAt + 2 * i);
      if (!side) return std::nullopt;
      rect[i] = *side;
    }
    text.rect = rect;
    textAt += 8;
  }
  if (!FieldFits(record, textAt, static_cast<std::size_t>(*count))) return std::nullopt;
  text.text = record.subspan(textAt, static_cast<std::size_t>(*count));
  return text;
}

}  // namespace

std::optional<std::size_t> MetafileLength(Bytes bytes) {
  const auto type = ReadU16(bytes, 0);
  const auto headerWords = ReadU16(bytes, 2);
  const auto objects = ReadU16(bytes, 10);
  if (!type || (*type != kMemoryMetafile && *type != kDiskMetafile) || headerWords != kHeaderWords ||
      !objects) {
    return std::nullopt;
  }
  std::size_t at = kMetaHeaderSize;
  for (;;) {
    const auto words = ReadU32(bytes, at);
    const auto function = ReadU16(bytes, at + 4);
    if (!words || !function || *words < kLeastRecordWords) return std::nullopt;
    if (!FieldFits(bytes, at, std::size_t{*words} * 2)) return std::nullopt;
    const Bytes record = bytes.subspan(at, std::size_t{*words} * 2);
    at += record.size();
    if (*function == kEndRecord) return at;
    if (!RecordHoldsTogether(record, *objects)) return std::nullopt;
  }
}

std::optional<TextRecord> ReadTextRecord(Bytes record) {
  const auto function = ReadU16(record, 4);
  if (function == kMetaTextOut) return ReadTextOut(record);
  if (function == kMetaExtTextOut) return ReadExtTextOut(record);
  return std::nullopt;
}

int PlaceholderNumber(Bytes text) {
  if (text.size() != 3 || text[0] != '%' || text[2] != '%') return 0;
  if (text[1] < '1' || text[1] > '3') return 0;
  return text[1] - '0';
}

}  // namespace printproc
