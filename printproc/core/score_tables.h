#pragma once
// The tables that turn a pool member's status into a score. Built-in tables
// serve unless the registry holds all four; a registry table is a run of
// 12-byte entries (u32 offset, u32 mask, i16 score when set, i16 score when
// clear) ended by an entry whose mask is 0.

#include <cstdint>
#include <optional>
#include <vector>

#include "printproc/core/byte_fields.h"

namespace printproc {

inline constexpr std::size_t kScoreEntrySize = 12;

// Scores the 32-bit word at `offset` of an item: `whenSet` when the word has
// any bit of `mask`, else `whenClear`.
struct ScoreEntry {
  std::uint32_t offset;
  std::uint32_t mask;
  std::int16_t whenSet;
  std::int16_t whenClear;
  bool operator==(const ScoreEntry&) const = default;
};

// A one-entry table: only its two scores count.
struct ScorePair {
  std::int16_t available;  // the entry's score when set
  std::int16_t missing;    // and when clear
  bool operator==(const ScorePair&) const = default;
};

struct ScoreTables {
  std::vector<ScoreEntry> currentStatus;
  ScorePair paperSize;
  ScorePair duplex;
  ScorePair memory;
  bool operator==(const ScoreTables&) const = default;
};

ScoreTables BuiltInScoreTables();

// The entries before the terminator; nothing when the value ends first.
std::optional<std::vector<ScoreEntry>> ParseScoreTable(Bytes value);

// The four registry values as read (nothing for one that could not be).
struct StoredScoreTables {
  std::optional<Bytes> currentStatus;
  std::optional<Bytes> paperSize;
  std::optional<Bytes> duplex;
  std::optional<Bytes> memory;
};

// The stored tables when all four parse (each one-entry table holding its
// entry), else the built-in ones: a half-replaced set would mix two scales.
ScoreTables ChooseScoreTables(const StoredScoreTables& stored);

}  // namespace printproc
