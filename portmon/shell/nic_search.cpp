#include "portmon/shell/nic_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/resolver.h"
#include "portmon/core/hbm_reply.h"
#include "portmon/core/nic_query.h"
#include "portmon/shell/text_conversion.h"

namespace portmon {
namespace {

constexpr std::uint8_t kTagModel = 0xFA;
constexpr std::uint8_t kTagMacHigh = 0xF7;
constexpr std::uint8_t kTagMacLow = 0xF8;
// The model's first 16 bytes, then one byte, then '1' when the NIC can
// switch its printer.
constexpr char kPowerControlModel[] = "NRV FastEthernet";
constexpr std::size_t kModelLength = sizeof kPowerControlModel - 1;
constexpr std::size_t kCapabilityAt = 17;
constexpr std::size_t kMacHalf = 3;

using Attribute = std::optional<std::span<const std::uint8_t>>;

bool PortAddress(const std::wstring& name, std::uint32_t& address) {
  address = DottedAddress(name);
  if (address != 0) return true;
  const std::string ansi = ToAnsi(name);
  return !ansi.empty() && platform::ResolveIpv4(ansi.c_str(), address);
}

bool SupportsPowerControl(std::span<const std::uint8_t> model) {
  return model.size() > kCapabilityAt &&
         std::equal(kPowerControlModel, kPowerControlModel + kModelLength, model.begin()) &&
         model[kCapabilityAt] == '1';
}

std::string MacText(std::span<const std::uint8_t> high, std::span<const std::uint8_t> low) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  const std::array<std::span<const std::uint8_t>, 2> halves{high, low};
  for (const auto half : halves) {
    for (const std::uint8_t byte : half.first(kMacHalf)) {
      if (!text.empty()) text += ':';
      text += kDigits[byte >> 4];
      text += kDigits[byte & 0x0F];
    }
  }
  return text;
}

}  // namespace

NicSearch SearchPortNic(const std::wstring& portName, std::string& mac) {
  std::uint32_t address = 0;
  if (!PortAddress(portName, address)) return NicSearch::NoAnswer;
  std::array<std::uint8_t, kReplyBufferSize> buffer{};
  std::size_t hbmLength = 0;
  if (!QueryNicAttributes(address, buffer, hbmLength)) return NicSearch::NoAnswer;

  const std::span<const std::uint8_t> reply(buffer.data(), hbmLength);
  const Attribute model = FindReplyAttribute(reply, kTagModel);
  const Attribute high = FindReplyAttribute(reply, kTagMacHigh);
  const Attribute low = FindReplyAttribute(reply, kTagMacLow);
  if (!model || !high || !low || high->size() < kMacHalf || low->size() < kMacHalf) {
    return NicSearch::NoAnswer;
  }
  if (!SupportsPowerControl(*model)) return NicSearch::NoPowerControl;
  mac = MacText(*high, *low);
  return NicSearch::Found;
}

}  // namespace portmon
