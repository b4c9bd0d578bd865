#include "tools/nicsim/attribute_responder.h"

#include <algorithm>
#include <iterator>

#include "common/ipv4_text.h"
#include "nicproto/attribute_frame.h"
#include "nicproto/extended_text_record.h"
#include "tools/nicsim/nic_values.h"
#include "tools/nicsim/status_text_builder.h"

namespace nicsim {
namespace {

constexpr std::uint8_t kExtendedProbeByte = 0x06;
constexpr std::uint8_t kExtendedSetByte = 0x07;

std::vector<std::uint8_t> AttributeReply(const char (&header)[4], const NicState& nic) {
  std::vector<std::uint8_t> out(header, header + 3);
  nic::EncodeAttributes(nic.attributes, out);
  return out;
}

// The extended item travels in a reply exactly as in a set request, so the
// request encoder writes it and only the header is turned into the reply's.
std::vector<std::uint8_t> ExtendedReply(const NicState& nic, std::uint8_t kindByte) {
  nic::ExtendedTextRecord record;
  nic::SetExtendedText(record, nic.settings.extendedText.c_str());
  std::vector<std::uint8_t> out = nic::BuildAttributeRequest(
      nic::Transport::Ipx, nic::FrameKind::ExtSetRequest, record, 0);
  if (out.size() < 4) return out;
  out[0] = 'h';
  out[1] = 'b';
  out[2] = 'm';
  out[3] = kindByte;
  return out;
}

std::string IpText(const nic::AttributeRecord& record) {
  char text[kIpTextSize] = {};
  nic::GetIpAttribute(record, nic::tag::kIpAddress, text, sizeof text);
  return text;
}

void SyncWrittenSettings(NicState& nic, std::uint8_t tag) {
  char text[nic::kAttributeValueSize + 1] = {};
  if (tag == nic::tag::kName && nic::GetTextAttribute(nic.attributes, tag, text, sizeof text)) {
    SetNicName(nic, text);
  }
  if (tag == nic::tag::kSubnetMask && nic::GetIpAttribute(nic.attributes, tag, text, sizeof text)) {
    nic::SetConfigIp(nic.config, nic::config::kSubnetMask, text);
    KeepWrittenItem(nic, nic::config::kSubnetMask);
  }
}

bool IsFixedAttribute(std::uint8_t tag) {
  return tag == nic::tag::kIpAddress || tag == nic::tag::kMacHigh || tag == nic::tag::kMacLow;
}

}  // namespace

std::vector<std::uint8_t> ProbeReply(const NicState& nic) { return AttributeReply("hbm", nic); }

std::vector<std::uint8_t> SetReply(const NicState& nic) { return AttributeReply("cfm", nic); }

std::vector<std::uint8_t> StatusDatagram(const NicState& nic) {
  const std::string text = BuildStatusText(nic.settings);
  const std::size_t length = text.size() + 2;
  // Sized once and filled in place: growing a vector from a short literal
  // trips g++ 12's bounds warnings when optimising.
  std::vector<std::uint8_t> out(3 + length);
  const std::uint8_t header[] = {'n', 'r', 'v', static_cast<std::uint8_t>(length >> 8),
                                 static_cast<std::uint8_t>(length)};
  std::copy(std::begin(header), std::end(header), out.begin());
  std::copy(text.begin(), text.end(), out.begin() + sizeof header);
  return out;
}

std::vector<std::uint8_t> ExtendedProbeReply(const NicState& nic) {
  return ExtendedReply(nic, kExtendedProbeByte);
}

std::vector<std::uint8_t> ExtendedSetReply(const NicState& nic) {
  return ExtendedReply(nic, kExtendedSetByte);
}

std::optional<std::string> ApplySetRequest(NicState& nic, std::span<const std::uint8_t> request,
                                           std::vector<std::string>* carried) {
  nic::FrameKind kind{};
  nic::AttributeRecord written;
  if (!nic::ParseAttributeFrame(request, kind, written)) return std::nullopt;
  for (const nic::Attribute& a : written.items) {
    if (a.present && carried != nullptr) carried->push_back(DescribeAttribute(written, a));
    if (!a.present || IsFixedAttribute(a.tag)) continue;
    nic::SetAttribute(nic.attributes, a.tag, a.value, static_cast<std::size_t>(a.length));
    SyncWrittenSettings(nic, a.tag);
    KeepWrittenAttribute(nic, a.tag);
  }
  if (!nic::FindAttribute(written, nic::tag::kIpAddress)->present) return std::nullopt;
  const std::string ip = IpText(written);
  if (ip == nic.settings.ip) return std::nullopt;
  return ip;
}

void ApplyExtendedSetRequest(NicState& nic, std::span<const std::uint8_t> request,
                             std::vector<std::string>* carried) {
  nic::FrameKind kind{};
  nic::ExtendedTextRecord record;
  if (!nic::ParseExtendedFrame(request, kind, record) || !record.present) return;
  char text[nic::kExtendedValueSize + 1] = {};
  nic::GetExtendedText(record, text, sizeof text);
  nic.settings.extendedText = text;
  if (carried != nullptr) carried->push_back("ext=" + QuoteText(text));
}

}  // namespace nicsim
