#pragma once
// The wake-up packet: six 0xFF bytes, then the NIC's MAC address 16 times.

#include <array>
#include <cstddef>
#include <cstdint>

#include "nicproto/mac_text.h"

namespace nic {

inline constexpr std::size_t kWakeUpPacketSize = 102;
using WakeUpPacket = std::array<std::uint8_t, kWakeUpPacketSize>;

WakeUpPacket BuildWakeUpPacket(const Mac& mac);

// From a MAC text; fails unless six hex pairs are read.
bool BuildWakeUpPacket(const char* macText, WakeUpPacket& packet);

}  // namespace nic
