#pragma once
// One pool member's score for one job: its status summed through the score
// tables, then its memory, paper and duplex unit against what the job
// header asks for, less its waiting jobs. A member that reports itself
// unusable scores the lowest 32-bit number, below any sum.

#include <cstdint>
#include <limits>
#include <span>

#include "printproc/core/job_header.h"
#include "printproc/core/score_tables.h"
#include "common/status_items.h"

namespace printproc {

inline constexpr std::int32_t kUnusableScore = std::numeric_limits<std::int32_t>::min();

// The member's status items: `read` fills `into` (zeroed, the item's size)
// with the item; a read that fails leaves it as it is.
struct MemberItemCalls {
  void* context;
  void (*read)(void* context, const char* item, std::span<std::uint8_t> into);
};

// Sums above or below the 32-bit range are held at its ends, the lowest
// number excepted, which stays the unusable member's alone.
std::int32_t ScoreMember(const ScoreTables& tables, const JobHeader& job,
                         const MemberItemCalls& read);

// Whether the bins of "PrinterBinConfig" hold paper `paper`.
bool PaperAvailable(Bytes bins, std::int32_t paper);

// Whether "PrinterOptConfig" lists a duplex unit.
bool DuplexUnitFitted(Bytes options);

}  // namespace printproc
