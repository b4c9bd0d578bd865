#include "nicproto/wake_up_packet.h"

#include <algorithm>

namespace nic {

WakeUpPacket BuildWakeUpPacket(const Mac& mac) {
  WakeUpPacket packet{};
  std::fill_n(packet.begin(), 6, 0xFF);
  for (std::size_t i = 0; i < 16; ++i) std::copy(mac.begin(), mac.end(), packet.begin() + 6 + i * 6);
  return packet;
}

bool BuildWakeUpPacket(const char* macText, WakeUpPacket& packet) {
  Mac mac{};
  if (!ParseMacText(macText, mac)) return false;
  packet = BuildWakeUpPacket(mac);
  return true;
}

}  // namespace nic
