#pragma once
// Status items and registry values for the core's tests, built field by
// field in little-endian order.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace printproc::test {

using Block = std::vector<std::uint8_t>;

inline void PutU16(Block& block, std::size_t at, std::uint16_t value) {
  if (block.size() < at + 2) block.resize(at + 2);
  block[at] = static_cast<std::uint8_t>(value);
  block[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(Block& block, std::size_t at, std::uint32_t value) {
  PutU16(block, at, static_cast<std::uint16_t>(value));
  PutU16(block, at + 2, static_cast<std::uint16_t>(value >> 16));
}

inline Block Words(std::initializer_list<std::uint32_t> words) {
  Block block;
  for (std::uint32_t word : words) PutU32(block, block.size(), word);
  return block;
}

struct Bin {
  std::uint16_t kind;
  std::uint16_t paper;
  std::uint8_t state;
};

inline Block Bins(std::initializer_list<Bin> bins) {
  Block block = Words({static_cast<std::uint32_t>(bins.size())});
  for (const Bin& bin : bins) {
    const std::size_t at = block.size();
    block.resize(at + 12);
    PutU16(block, at + 2, bin.kind);
    PutU16(block, at + 4, bin.paper);
    block[at + 6] = bin.state;
  }
  return block;
}

// Option entries by their 16-bit value at offset 2.
inline Block Options(std::initializer_list<std::uint16_t> values) {
  Block block = Words({static_cast<std::uint32_t>(values.size())});
  for (std::uint16_t value : values) {
    const std::size_t at = block.size();
    block.resize(at + 8);
    PutU16(block, at + 2, value);
  }
  return block;
}

inline Block TableEntry(std::uint32_t offset, std::uint32_t mask, std::int16_t set,
                        std::int16_t clear) {
  Block block = Words({offset, mask});
  PutU16(block, 8, static_cast<std::uint16_t>(set));
  PutU16(block, 10, static_cast<std::uint16_t>(clear));
  return block;
}

// A member's items by name; items not set read as zeros. Counts the reads.
struct FakeMember {
  std::map<std::string, Block> items;
  int reads = 0;
  void Read(const char* item, std::span<std::uint8_t> into) {
    ++reads;
    const auto found = items.find(item);
    if (found == items.end()) return;
    for (std::size_t i = 0; i < into.size() && i < found->second.size(); ++i) into[i] = found->second[i];
  }
};

}  // namespace printproc::test
