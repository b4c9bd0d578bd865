#include "printproc/core/printer_choice.h"

#include <vector>

#include "common/seam.h"

namespace printproc {
namespace {

bool HeaderGaveEverything(const JobHeader& job) {
  return job.memory != -1 && job.duplex != -1 && job.paperSize != -1;
}

// One member's items, read through the choice's calls.
struct Member {
  const ChoiceCalls& calls;
  std::size_t index;
  void Read(const char* item, std::span<std::uint8_t> into) const {
    calls.readItem(calls.context, index, item, into);
  }
};

std::vector<std::int32_t> ScoreRound(const JobHeader& job, std::size_t members,
                                     const DispatchSettings& settings, const ChoiceCalls& calls) {
  std::vector<std::int32_t> scores;
  for (std::size_t index = 0; index < members; ++index) {
    Member member{calls, index};
    scores.push_back(ScoreMember(settings.tables, job, {&member, Through<&Member::Read>}));
  }
  return scores;
}

// A member that scores above 0 ends the search at once; otherwise the best
// of the last round is taken. No wait follows the last round: nothing would
// come of it.
std::optional<std::size_t> ChooseByScore(const JobHeader& job,
                                         std::span<const std::uint32_t> priorities,
                                         const DispatchSettings& settings,
                                         const ChoiceCalls& calls) {
  const std::uint32_t rounds = HeaderGaveEverything(job) ? settings.rounds : 0;
  std::size_t best = 0;
  for (std::uint32_t round = 0; round < rounds; ++round) {
    const std::vector<std::int32_t> scores = ScoreRound(job, priorities.size(), settings, calls);
    best = BestMember(scores, priorities);
    if (scores[best] > 0 || round + 1 == rounds) break;
    if (!calls.wait(calls.context, settings.waitMs)) return std::nullopt;
  }
  return best;
}

}  // namespace

std::size_t BestMember(std::span<const std::int32_t> scores,
                       std::span<const std::uint32_t> priorities) {
  std::size_t best = 0;
  for (std::size_t member = 1; member < scores.size(); ++member) {
    if (scores[member] > scores[best] ||
        (scores[member] == scores[best] && priorities[member] < priorities[best])) {
      best = member;
    }
  }
  return best;
}

std::optional<std::size_t> ChooseMember(const JobHeader& job,
                                        std::span<const std::uint32_t> priorities,
                                        const DispatchSettings& settings,
                                        const ChoiceCalls& calls) {
  if (priorities.empty()) return std::nullopt;
  const auto mode = static_cast<std::uint32_t>(job.dispatchMode);
  if ((mode & kDispatchByScore) != 0) return ChooseByScore(job, priorities, settings, calls);
  if ((mode & kDispatchNowhere) != 0) return std::nullopt;
  return 0;
}

}  // namespace printproc
