#include "nicproto/frame_kind.h"

#include <cstring>

namespace nic {
namespace {

bool StartsWith(std::span<const std::uint8_t> frame, const char* text) {
  const std::size_t n = std::strlen(text);
  return frame.size() >= n && std::memcmp(frame.data(), text, n) == 0;
}

}  // namespace

FrameKind ClassifyAttributeHeader(std::span<const std::uint8_t> frame) {
  if (frame.size() < 3) return FrameKind::Invalid;
  if (frame[0] != 'H') {
    if (StartsWith(frame, "hbm")) {
      if (frame.size() < 4) return FrameKind::ProbeReply;
      if (frame[3] == 0x06) return FrameKind::ExtProbeReply;
      if (frame[3] == 0x07) return FrameKind::ExtSetReply;
      return FrameKind::ProbeReply;
    }
    if (StartsWith(frame, "cfm")) return FrameKind::SetReply;
    return FrameKind::Invalid;
  }
  if (frame.size() < 4 || !StartsWith(frame, "HBM")) return FrameKind::Invalid;
  switch (frame[3]) {
    case 0x01: return FrameKind::ProbeRequest;
    case 0x02:
    case 0x03: return FrameKind::SetRequest;
    default: return FrameKind::Invalid;
  }
}

FrameKind ClassifyExtendedHeader(std::span<const std::uint8_t> frame) {
  if (frame.size() < 4) return FrameKind::Invalid;
  const bool request = StartsWith(frame, "HBM");
  const bool reply = StartsWith(frame, "hbm");
  if (frame[3] == 0x06) {
    if (request) return FrameKind::ExtProbeRequest;
    if (reply) return FrameKind::ExtProbeReply;
  } else if (frame[3] == 0x07) {
    if (request) return FrameKind::ExtSetRequest;
    if (reply) return FrameKind::ExtSetReply;
  }
  return FrameKind::Invalid;
}

std::size_t HeaderLength(FrameKind kind) {
  return kind == FrameKind::ProbeReply || kind == FrameKind::SetReply ? 3 : 4;
}

}  // namespace nic
