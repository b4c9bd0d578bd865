#include "nicproto/attribute_frame.h"

#include <algorithm>
#include <new>

namespace nic {
namespace {

constexpr std::uint8_t kProbeBody[] = {'p', 'r', 'o', 'b', 'e', 0};

std::uint8_t KindByte(FrameKind kind) {
  switch (kind) {
    case FrameKind::ProbeRequest: return 0x01;
    case FrameKind::SetRequest: return 0x02;
    case FrameKind::ExtProbeRequest: return 0x06;
    case FrameKind::ExtSetRequest: return 0x07;
    default: return 0;
  }
}

std::vector<std::uint8_t> Header(Transport transport, FrameKind kind, std::uint16_t replyPort) {
  std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(replyPort >> 8),
                                   static_cast<std::uint8_t>(replyPort), 'H', 'B', 'M',
                                   KindByte(kind)};
  if (transport == Transport::Ipx) out.erase(out.begin(), out.begin() + 2);
  return out;
}

template <typename Fill>
std::vector<std::uint8_t> Build(Transport transport, FrameKind kind, std::uint16_t replyPort,
                                Fill fillBody) {
  try {
    std::vector<std::uint8_t> out = Header(transport, kind, replyPort);
    fillBody(out);
    return out;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace

void EncodeAttributes(const AttributeRecord& record, std::vector<std::uint8_t>& out) {
  for (const Attribute& a : record.items) {
    if (!a.present || a.length < 0) continue;
    out.push_back(a.tag);
    out.push_back(static_cast<std::uint8_t>(a.length));
    out.insert(out.end(), a.value, a.value + a.length);
  }
}

void DecodeAttributes(std::span<const std::uint8_t> body, AttributeRecord& record) {
  ResetAttributes(record);
  std::size_t p = 0;
  while (body.size() - p >= 2) {
    const std::uint8_t tag = body[p];
    const std::size_t length = body[p + 1];
    p += 2;
    if (length > body.size() - p) return;
    Attribute* a = FindAttribute(record, tag);
    if (a != nullptr) {
      if (length < a->minLength || length > a->maxLength) return;
      std::copy_n(body.data() + p, length, a->value);
      a->length = static_cast<int>(length);
      a->present = true;
    }
    p += length;
  }
}

std::vector<std::uint8_t> BuildAttributeRequest(Transport transport, FrameKind kind,
                                                const AttributeRecord& record,
                                                std::uint16_t replyPort) {
  if (kind == FrameKind::ProbeRequest) {
    return Build(transport, kind, replyPort, [](std::vector<std::uint8_t>& out) {
      out.insert(out.end(), std::begin(kProbeBody), std::end(kProbeBody));
    });
  }
  if (kind == FrameKind::SetRequest) {
    return Build(transport, kind, replyPort,
                 [&record](std::vector<std::uint8_t>& out) { EncodeAttributes(record, out); });
  }
  return {};
}

std::vector<std::uint8_t> BuildAttributeRequest(Transport transport, FrameKind kind,
                                                const ExtendedTextRecord& record,
                                                std::uint16_t replyPort) {
  if (kind == FrameKind::ExtProbeRequest) {
    return Build(transport, kind, replyPort, [](std::vector<std::uint8_t>& out) {
      out.insert(out.end(), std::begin(kProbeBody), std::end(kProbeBody));
    });
  }
  if (kind == FrameKind::ExtSetRequest) {
    return Build(transport, kind, replyPort, [&record](std::vector<std::uint8_t>& out) {
      if (!record.present || record.length < 0) return;
      out.push_back(record.tag);
      out.push_back(static_cast<std::uint8_t>(record.length));
      out.insert(out.end(), record.value, record.value + record.length);
    });
  }
  return {};
}

std::vector<std::uint8_t> BuildShortProbeRequest(std::uint16_t replyPort) {
  return Build(Transport::Udp, FrameKind::ProbeRequest, replyPort,
               [](std::vector<std::uint8_t>& out) { out.push_back(0); });
}

bool ParseAttributeFrame(std::span<const std::uint8_t> frame, FrameKind& kind,
                         AttributeRecord& record) {
  const FrameKind found = ClassifyAttributeHeader(frame);
  switch (found) {
    case FrameKind::ProbeRequest:
    case FrameKind::ProbeReply:
    case FrameKind::SetRequest:
    case FrameKind::SetReply: break;
    default: return false;
  }
  kind = found;
  DecodeAttributes(frame.subspan(HeaderLength(found)), record);
  return true;
}

bool ParseExtendedFrame(std::span<const std::uint8_t> frame, FrameKind& kind,
                        ExtendedTextRecord& record) {
  const FrameKind found = ClassifyExtendedHeader(frame);
  if (found == FrameKind::Invalid) return false;
  kind = found;
  ResetExtendedText(record);
  const auto body = frame.subspan(HeaderLength(found));
  std::size_t p = 0;
  while (body.size() - p >= 2) {
    const std::uint8_t tag = body[p];
    const std::size_t length = body[p + 1];
    p += 2;
    if (length > body.size() - p) return true;
    if (tag == 0) {
      if (length < 1) return true;
      std::copy_n(body.data() + p, length, record.value);
      record.length = static_cast<int>(length);
      record.present = true;
      return true;
    }
    p += length;
  }
  return true;
}

}  // namespace nic
