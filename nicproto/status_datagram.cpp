#include "nicproto/status_datagram.h"

#include <algorithm>
#include <cstring>

namespace nic {

bool IsStatusDatagram(std::span<const std::uint8_t> datagram) {
  return datagram.size() >= 3 && std::memcmp(datagram.data(), "nrv", 3) == 0;
}

bool ParseStatusDatagram(std::span<const std::uint8_t> datagram, StatusRecord& record) {
  constexpr std::size_t kTextOffset = 5;
  if (datagram.size() < kTextOffset || !IsStatusDatagram(datagram)) return false;
  const std::size_t declared = (std::size_t{datagram[3]} << 8) | datagram[4];
  const std::size_t text = std::min(declared < 2 ? 0 : declared - 2, datagram.size() - kTextOffset);
  ParseStatusText(reinterpret_cast<const char*>(datagram.data() + kTextOffset), text, record);
  return true;
}

}  // namespace nic
