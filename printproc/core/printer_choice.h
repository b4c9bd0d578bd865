#pragma once
// Which pool member a job goes to, by the dispatch mode of its header:
//   bit 0x1  score the members in rounds until one scores above 0 (only
//            when the header gave memory, duplex and paper; else the first
//            member), waiting between rounds;
//   bit 0x2  (without 0x1) no member: the data goes nowhere;
//   else     the first member.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "printproc/core/member_score.h"

namespace printproc {

inline constexpr std::uint32_t kDispatchByScore = 0x1;
inline constexpr std::uint32_t kDispatchNowhere = 0x2;

struct DispatchSettings {
  ScoreTables tables = BuiltInScoreTables();
  std::uint32_t waitMs = 2000;   // between rounds
  std::uint32_t rounds = 300;
};

struct ChoiceCalls {
  void* context;
  // One item of one member, as MemberItemCalls reads it.
  void (*readItem)(void* context, std::size_t member, const char* item,
                   std::span<std::uint8_t> into);
  // Waits between rounds; false when the job was cancelled meanwhile.
  bool (*wait)(void* context, std::uint32_t ms);
};

// The highest score wins; a tie goes to the lower priority number, then to
// the earlier member. Both spans have one element per member, at least one.
std::size_t BestMember(std::span<const std::int32_t> scores,
                       std::span<const std::uint32_t> priorities);

// The member to print on, or nothing when the data goes nowhere or the job
// was cancelled while waiting. `priorities` holds one entry per member.
std::optional<std::size_t> ChooseMember(const JobHeader& job,
                                        std::span<const std::uint32_t> priorities,
                                        const DispatchSettings& settings,
                                        const ChoiceCalls& calls);

}  // namespace printproc
