#include "printproc/core/member_score.h"

#include <algorithm>
#include <vector>

namespace printproc {
namespace {

constexpr std::size_t kBinEntrySize = 12;
constexpr std::size_t kOptionEntrySize = 8;
constexpr std::uint16_t kSpecialBin = 2001;
constexpr std::uint8_t kSpecialBinState = 254;
constexpr std::int32_t kSpecialPapers[] = {43, 69, 91, 256};
constexpr std::uint16_t kDuplexUnit = 1;
constexpr std::int64_t kBusySpooler = -1000;
constexpr std::int64_t kPerPrinterJob = -5;

std::vector<std::uint8_t> ReadItem(const MemberItemCalls& read, const StatusItem& item) {
  std::vector<std::uint8_t> block(item.size, 0);
  read.read(read.context, item.name, block);
  return block;
}

std::uint32_t FirstWord(const MemberItemCalls& read, const StatusItem& item) {
  return ReadU32(ReadItem(read, item), 0).value_or(0);
}

// Entries beyond the count given, or beyond the block, are not there.
template <typename Test>
bool AnyEntry(Bytes block, std::size_t entrySize, Test test) {
  const std::uint32_t count = ReadU32(block, 0).value_or(0);
  for (std::size_t i = 0; i < count && FieldFits(block, 4 + i * entrySize, entrySize); ++i) {
    if (test(block.subspan(4 + i * entrySize, entrySize))) return true;
  }
  return false;
}

std::int64_t StatusSum(const std::vector<ScoreEntry>& table, Bytes status) {
  std::int64_t sum = 0;
  for (const ScoreEntry& entry : table) {
    const auto word = ReadU32(status, entry.offset);
    if (!word) continue;  // a registry entry pointing outside the item
    sum += (*word & entry.mask) != 0 ? entry.whenSet : entry.whenClear;
  }
  return sum;
}

std::int64_t MemoryScore(const ScorePair& scores, std::int32_t wanted, const MemberItemCalls& read) {
  if (wanted < 0) return scores.available;
  const std::uint32_t installed = FirstWord(read, kMemoryItem);
  return installed < static_cast<std::uint32_t>(wanted) ? scores.missing : scores.available;
}

std::int64_t PaperScore(const ScorePair& scores, std::int32_t paper, const MemberItemCalls& read) {
  if (paper < 0) return 0;
  return PaperAvailable(ReadItem(read, kBinConfigItem), paper) ? scores.available : scores.missing;
}

std::int64_t DuplexScore(const ScorePair& scores, std::int32_t duplex, const MemberItemCalls& read) {
  if (duplex < 0) return 0;
  if (duplex == 0) return scores.available;
  return DuplexUnitFitted(ReadItem(read, kOptConfigItem)) ? scores.available : scores.missing;
}

std::int64_t QueueScore(const MemberItemCalls& read) {
  const std::int64_t waiting = FirstWord(read, kSpoolerQueueItem) != 0 ? kBusySpooler : 0;
  return waiting + kPerPrinterJob * FirstWord(read, kPrinterQueueItem);
}

}  // namespace

bool PaperAvailable(Bytes bins, std::int32_t paper) {
  const bool special = std::ranges::find(kSpecialPapers, paper) != std::end(kSpecialPapers);
  return AnyEntry(bins, kBinEntrySize, [&](Bytes bin) {
    const std::uint16_t kind = *ReadU16(bin, 2);
    const std::uint16_t size = *ReadU16(bin, 4);
    const std::uint8_t state = *ReadU8(bin, 6);
    if (special) return kind == kSpecialBin && state == kSpecialBinState;
    return kind != kSpecialBin && size == paper &&
           ((state >= 1 && state <= 100) || state == kSpecialBinState);
  });
}

bool DuplexUnitFitted(Bytes options) {
  return AnyEntry(options, kOptionEntrySize,
                  [](Bytes option) { return *ReadU16(option, 2) == kDuplexUnit; });
}

std::int32_t ScoreMember(const ScoreTables& tables, const JobHeader& job, const MemberItemCalls& read) {
  if ((FirstWord(read, kExtStatusItem) & kExtStatusUnusable) != 0) return kUnusableScore;
  const std::int64_t sum = StatusSum(tables.currentStatus, ReadItem(read, kCurrentStatusItem)) +
                           MemoryScore(tables.memory, job.memory, read) +
                           PaperScore(tables.paperSize, job.paperSize, read) +
                           DuplexScore(tables.duplex, job.duplex, read) + QueueScore(read);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::int64_t{kUnusableScore} + 1, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace printproc
