#include "printproc/core/score_tables.h"

namespace printproc {
namespace {

std::optional<ScorePair> ParsePair(const std::optional<Bytes>& value) {
  if (!value) return std::nullopt;
  const auto entries = ParseScoreTable(*value);
  if (!entries || entries->empty()) return std::nullopt;
  return ScorePair{entries->front().whenSet, entries->front().whenClear};
}

}  // namespace

ScoreTables BuiltInScoreTables() {
  return {
      {
          {8, 0x00000001, 1000, 0},
          {8, 0x00000002, -30, 0},
          {8, 0x00000008, -900, 0},
          {8, 0x00000080, -50, 0},
          {8, 0x00000100, -100, 0},
          {8, 0x00080204, -500, 0},
          {8, 0x20003C18, 0, 0},
          {4, 0x00001F80, -1000, 0},
          {12, 0x00000001, -1000, 0},
          {12, 0x00000002, -50, 0},
          {20, 0x00000001, -1000, 0},
          {20, 0x00000002, -50, 0},
          {20, 0x00000004, -10, 0},
      },
      {0, -949},
      {0, -1000},
      {0, -1000},
  };
}

std::optional<std::vector<ScoreEntry>> ParseScoreTable(Bytes value) {
  std::vector<ScoreEntry> entries;
  for (std::size_t at = 0; FieldFits(value, at, kScoreEntrySize); at += kScoreEntrySize) {
    const std::uint32_t mask = *ReadU32(value, at + 4);
    if (mask == 0) return entries;
    entries.push_back({*ReadU32(value, at), mask, *ReadI16(value, at + 8), *ReadI16(value, at + 10)});
  }
  return std::nullopt;
}

ScoreTables ChooseScoreTables(const StoredScoreTables& stored) {
  const auto currentStatus =
      stored.currentStatus ? ParseScoreTable(*stored.currentStatus) : std::nullopt;
  const auto paperSize = ParsePair(stored.paperSize);
  const auto duplex = ParsePair(stored.duplex);
  const auto memory = ParsePair(stored.memory);
  if (!currentStatus || !paperSize || !duplex || !memory) return BuiltInScoreTables();
  return {*currentStatus, *paperSize, *duplex, *memory};
}

}  // namespace printproc
