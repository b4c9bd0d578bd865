#pragma once
// Where the broadcast round of a wake-up goes: the limited broadcast address,
// which reaches a switched-off printer whose NIC still listens. Tests point
// it at a loopback address so that nothing leaves the machine.

#include <cstdint>

namespace portmon {

inline constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFFu;  // 255.255.255.255

// Network byte order.
std::uint32_t WakeBroadcastAddress();
void SetWakeBroadcastAddress(std::uint32_t address);

}  // namespace portmon
