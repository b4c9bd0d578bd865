#include "tools/nicsim/command_responder.h"

#include <algorithm>
#include <string_view>

#include "common/ipv4_text.h"
#include "tools/nicsim/nic_values.h"
#include "tools/nicsim/status_text_builder.h"

namespace nicsim {
namespace {

constexpr std::size_t kRequestHeaderLength = 4;  // "NCM" and the command byte

constexpr std::size_t kNakHeaderLength = 4;  // "NAK" and the command byte

// Sized once and filled in place: growing a vector from a short literal trips
// g++ 12's bounds warnings at -O3.
std::vector<std::uint8_t> Nak(std::uint8_t command, std::size_t payloadLength) {
  std::vector<std::uint8_t> out(kNakHeaderLength + payloadLength);
  out[0] = 'N';
  out[1] = 'A';
  out[2] = 'K';
  out[3] = command;
  return out;
}

std::vector<std::uint8_t> TextNak(std::uint8_t command, std::string_view text) {
  std::vector<std::uint8_t> out = Nak(command, 2 + text.size());
  out[kNakHeaderLength] = static_cast<std::uint8_t>(text.size() >> 8);
  out[kNakHeaderLength + 1] = static_cast<std::uint8_t>(text.size());
  std::copy(text.begin(), text.end(), out.begin() + kNakHeaderLength + 2);
  return out;
}

std::vector<std::uint8_t> EmptyNak(std::uint8_t command) { return TextNak(command, {}); }

std::vector<std::uint8_t> ConfigNak(const NicState& nic) {
  std::vector<std::uint8_t> items;
  nic::EncodeConfigItems(nic.config, items);
  std::vector<std::uint8_t> out = Nak(2, items.size());
  std::copy(items.begin(), items.end(), out.begin() + kNakHeaderLength);
  return out;
}

// The text after the two-byte length, limited to what arrived.
std::string_view PayloadText(std::span<const std::uint8_t> payload) {
  if (payload.size() < 2) return {};
  const std::size_t declared = (std::size_t{payload[0]} << 8) | payload[1];
  const std::size_t length = std::min(declared, payload.size() - 2);
  return {reinterpret_cast<const char*>(payload.data() + 2), length};
}

std::optional<std::string> ConfigAddress(const nic::ConfigItemList& written) {
  char ip[kIpTextSize] = {};
  if (!nic::GetConfigIp(written, nic::config::kIpAddress, ip, sizeof ip)) return std::nullopt;
  return std::string(ip);
}

void SyncWrittenItem(NicState& nic, const nic::ConfigItem& item) {
  char text[nic::kConfigValueSize + 1] = {};
  if (item.tag == nic::config::kName) {
    nic::GetConfigText(nic.config, item.tag, text, sizeof text);
    SetNicName(nic, text);
  }
  if (item.tag == nic::config::kSubnetMask) {
    if (nic::GetConfigIp(nic.config, item.tag, text, sizeof text)) {
      nic::SetIpAttribute(nic.attributes, nic::tag::kSubnetMask, text);
    }
  }
}

std::optional<std::string> WriteConfig(NicState& nic, std::span<const std::uint8_t> payload,
                                       std::vector<std::string>& carried) {
  nic::ConfigItemList written;
  nic::DecodeConfigItems(payload, written);
  for (const nic::ConfigItem& item : written.items) {
    if (item.present) carried.push_back(DescribeItem(item));
    // Only items the NIC has take a value: the counters are its own, and a
    // NIC without mail notice gains no mail items.
    if (!item.present || item.tag == nic::config::kIpAddress || !HoldsItem(nic, item.tag)) continue;
    nic::SetConfigValue(nic.config, item.tag, item.value, static_cast<std::size_t>(item.length));
    SyncWrittenItem(nic, item);
    KeepWrittenItem(nic, item.tag);
  }
  const std::optional<std::string> ip = ConfigAddress(written);
  if (ip && *ip == nic.settings.ip) return std::nullopt;
  return ip;
}

CommandOutcome Answer(std::vector<std::uint8_t> reply) {
  return {std::move(reply), std::nullopt, std::nullopt};
}

}  // namespace

CommandOutcome AnswerCommand(NicState& nic, std::span<const std::uint8_t> request) {
  if (request.size() < kRequestHeaderLength) return {};
  const std::uint8_t command = request[3];
  const auto payload = request.subspan(kRequestHeaderLength);
  switch (command) {
    case 1: {
      std::vector<std::string> carried;
      std::optional<std::string> moveTo = WriteConfig(nic, payload, carried);
      return {EmptyNak(command), std::move(moveTo), std::move(carried)};
    }
    case 2: return Answer(ConfigNak(nic));
    case 3: return Answer(TextNak(command, nic.settings.firmware));
    case 5: return Answer(TextNak(command, BuildStatusText(nic.settings)));
    case 7: return Answer(TextNak(command, PayloadText(payload)));
    case 16:
    case 34: return Answer(EmptyNak(command));
    case 33: return Answer(TextNak(command, nic.settings.name));
    case 35: return Answer(TextNak(command, nic.settings.model));
    default: return {};
  }
}

}  // namespace nicsim
