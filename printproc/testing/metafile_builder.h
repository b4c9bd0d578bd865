#pragma once
// Windows metafiles and the files that carry them, built record by record
// for the core's tests.

#include <string>

#include "printproc/testing/status_blocks.h"

namespace printproc::test {

class MetafileBuilder {
 public:
  explicit MetafileBuilder(std::uint16_t objects = 0) : objects_(objects) {}

  MetafileBuilder& Record(std::uint16_t function, std::initializer_list<std::uint16_t> params) {
    return Raw(function, params);
  }

  // TextOut record: count, the text padded to a whole word, y, x.
  MetafileBuilder& Text(std::int16_t x, std::int16_t y, const std::string& text) {
    std::vector<std::uint16_t> params = {static_cast<std::uint16_t>(text.size())};
    AppendText(params, text);
    params.push_back(static_cast<std::uint16_t>(y));
    params.push_back(static_cast<std::uint16_t>(x));
    return Raw(0x0521, params);
  }

  // ExtTextOut record: y, x, count, options, the rectangle when the options ask
  // for one, the text.
  MetafileBuilder& ExtText(std::int16_t x, std::int16_t y, std::uint16_t options,
                              const std::string& text) {
    std::vector<std::uint16_t> params = {static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(x),
                                         static_cast<std::uint16_t>(text.size()), options};
    if ((options & 6) != 0) params.insert(params.end(), {1, 2, 3, 4});
    AppendText(params, text);
    return Raw(0x0A32, params);
  }

  Block Build() const {
    Block file = Words({0x00090001, 0});
    PutU16(file, 4, 0x0300);
    PutU32(file, 6, static_cast<std::uint32_t>((18 + records_.size() + 6) / 2));
    PutU16(file, 10, objects_);
    PutU32(file, 12, 0);
    PutU16(file, 16, 0);
    file.insert(file.end(), records_.begin(), records_.end());
    const Block end = Words({3, 0});
    file.insert(file.end(), end.begin(), end.begin() + 6);
    return file;
  }

 private:
  static void AppendText(std::vector<std::uint16_t>& params, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); i += 2) {
      const std::uint8_t high = i + 1 < text.size() ? static_cast<std::uint8_t>(text[i + 1]) : 0;
      params.push_back(static_cast<std::uint16_t>(static_cast<std::uint8_t>(text[i]) | high << 8));
    }
  }
  MetafileBuilder& Raw(std::uint16_t function, const std::vector<std::uint16_t>& params) {
    Block record = Words({static_cast<std::uint32_t>(3 + params.size())});
    PutU16(record, 4, function);
    for (std::uint16_t param : params) PutU16(record, record.size(), param);
    records_.insert(records_.end(), record.begin(), record.end());
    return *this;
  }

  std::uint16_t objects_;
  Block records_;
};

inline Block Placeable(const Block& metafile, std::int16_t left, std::int16_t top,
                       std::int16_t right, std::int16_t bottom) {
  Block file = Words({0x9AC6CDD7});
  PutU16(file, 4, 0);
  PutU16(file, 6, static_cast<std::uint16_t>(left));
  PutU16(file, 8, static_cast<std::uint16_t>(top));
  PutU16(file, 10, static_cast<std::uint16_t>(right));
  PutU16(file, 12, static_cast<std::uint16_t>(bottom));
  PutU16(file, 14, 1440);
  PutU32(file, 16, 0);
  PutU16(file, 20, 0);
  file.insert(file.end(), metafile.begin(), metafile.end());
  return file;
}

// A clipboard file with a text entry first, then the metafile picture.
inline Block Clipboard(const Block& metafile, std::int16_t mappingMode, std::int16_t x,
                       std::int16_t y) {
  Block file;
  PutU16(file, 0, 50000);
  PutU16(file, 2, 2);
  const std::size_t data = 4 + 2 * 89;
  file.resize(data);
  PutU16(file, 4, 1);                                   // text, empty
  PutU32(file, 6, 0);
  PutU32(file, 10, static_cast<std::uint32_t>(data));
  PutU16(file, 4 + 89, 3);
  PutU32(file, 4 + 89 + 2, static_cast<std::uint32_t>(8 + metafile.size()));
  PutU32(file, 4 + 89 + 6, static_cast<std::uint32_t>(data));
  PutU16(file, data, static_cast<std::uint16_t>(mappingMode));
  PutU16(file, data + 2, static_cast<std::uint16_t>(x));
  PutU16(file, data + 4, static_cast<std::uint16_t>(y));
  PutU16(file, data + 6, 0);
  file.insert(file.end(), metafile.begin(), metafile.end());
  return file;
}

}  // namespace printproc::test
