#include "tools/nicsim/datagram_kind.h"

#include <algorithm>
#include <cstring>

#include "nicproto/exn_notice.h"
#include "nicproto/frame_kind.h"
#include "nicproto/wake_up_packet.h"

namespace nicsim {
namespace {

constexpr std::size_t kPrefixLength = 2;
constexpr std::size_t kMacLength = 6;

bool StartsWith(std::span<const std::uint8_t> bytes, const char* text) {
  const std::size_t n = std::strlen(text);
  return bytes.size() >= n && std::memcmp(bytes.data(), text, n) == 0;
}

DatagramKind ClassifyAttributeRequest(std::span<const std::uint8_t> request,
                                      std::size_t datagramSize) {
  if (StartsWith(request, "EXN")) {
    return datagramSize == std::tuple_size_v<nic::ExnNotice> ? DatagramKind::Exn
                                                             : DatagramKind::Other;
  }
  switch (nic::ClassifyExtendedHeader(request)) {
    case nic::FrameKind::ExtProbeRequest: return DatagramKind::ExtProbe;
    case nic::FrameKind::ExtSetRequest: return DatagramKind::ExtSet;
    default: break;
  }
  switch (nic::ClassifyAttributeHeader(request)) {
    case nic::FrameKind::ProbeRequest: return DatagramKind::Probe;
    case nic::FrameKind::SetRequest: return DatagramKind::Set;
    default: return DatagramKind::Other;
  }
}

DatagramKind ClassifyCommandRequest(std::span<const std::uint8_t> request) {
  return request.size() >= 4 && StartsWith(request, "NCM") ? DatagramKind::Command
                                                           : DatagramKind::Other;
}

}  // namespace

const char* EventKindName(DatagramKind kind) {
  switch (kind) {
    case DatagramKind::Probe: return "probe";
    case DatagramKind::Set: return "set";
    case DatagramKind::ExtProbe: return "extprobe";
    case DatagramKind::ExtSet: return "extset";
    case DatagramKind::Command: return "ncm";
    case DatagramKind::Exn: return "exn";
    case DatagramKind::Wake: return "wake";
    case DatagramKind::Other: break;
  }
  return "other";
}

bool IsWakeUpPacket(std::span<const std::uint8_t> datagram) {
  if (datagram.size() != nic::kWakeUpPacketSize) return false;
  nic::Mac mac{};
  std::copy_n(datagram.begin() + kMacLength, kMacLength, mac.begin());
  const nic::WakeUpPacket expected = nic::BuildWakeUpPacket(mac);
  return std::equal(expected.begin(), expected.end(), datagram.begin());
}

DatagramKind ClassifyDatagram(std::span<const std::uint8_t> datagram, std::uint16_t localPort) {
  if (IsWakeUpPacket(datagram)) return DatagramKind::Wake;
  if (datagram.size() < kPrefixLength) return DatagramKind::Other;
  const auto request = datagram.subspan(kPrefixLength);
  return localPort == nic::kAttributePort ? ClassifyAttributeRequest(request, datagram.size())
                                          : ClassifyCommandRequest(request);
}

DatagramKind ClassifyIpxRequest(std::span<const std::uint8_t> data) {
  return ClassifyAttributeRequest(data, data.size() + kPrefixLength);
}

std::uint16_t ReplyPort(std::span<const std::uint8_t> datagram) {
  if (datagram.size() < kPrefixLength) return 0;
  return static_cast<std::uint16_t>((datagram[0] << 8) | datagram[1]);
}

}  // namespace nicsim
