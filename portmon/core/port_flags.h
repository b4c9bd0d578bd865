#pragma once
// The one word of job and thread state a port carries.

#include <cstdint>

namespace portmon {

inline constexpr std::uint32_t PF_JOB_ACTIVE = 0x1;
inline constexpr std::uint32_t PF_CONNECTED = 0x100;
inline constexpr std::uint32_t PF_NONBLOCKING = 0x200;
inline constexpr std::uint32_t PF_STATUS_QUERY = 0x400;
inline constexpr std::uint32_t PF_SEND_FAILED = 0x800;
inline constexpr std::uint32_t PF_COMMAND_QUERY = 0x2000;
inline constexpr std::uint32_t PF_CONNECTION_RESET = 0x4000;

}  // namespace portmon
