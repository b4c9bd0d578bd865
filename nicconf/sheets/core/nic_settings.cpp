#include "nicconf/sheets/core/nic_settings.h"

#include <cerrno>
#include <cstdlib>

namespace nic {
namespace {

using F = SettingField;

struct Row {
  SettingField field;
  FieldPlace place;
};

constexpr Row kPlaces[] = {
    {F::PrinterName, {config::kName, tag::kName}},
    {F::AccessPeriod, {17, tag::kAccessPeriod}},
    {F::IpAddress, {config::kIpAddress, tag::kIpAddress}},
    {F::SubnetMask, {config::kSubnetMask, tag::kSubnetMask}},
    {F::Gateway, {config::kGateway, 0}},
    {F::MaxSessions, {4, 0}},
    {F::SessionTimeout, {5, 0}},
    {F::KeepAlive, {10, 0}},
    {F::FtpTimeout, {8, tag::kFtpTimeout}},
    {F::AddressMethod, {9, 0}},
    {F::Dhcp, {11, 0}},
    {F::LinkSpeed, {6, 0}},
    {F::Duplex, {7, 0}},
    {F::PrintLog, {32, 0}},
    {F::PowerOffEnabled, {config::kPowerOffRefused, 0}},
    {F::PowerOffInAlarm, {config::kPowerOffInAlarm, 0}},
    {F::PowerOffWait, {config::kPowerOffWait, 0}},
    {F::AutoPowerOff, {config::kAutoPowerOff, 0}},
    {F::TrapEnabled1, {64, 0}},    {F::TrapEnabled2, {65, 0}},    {F::TrapEnabled3, {66, 0}},
    {F::TrapEnabled4, {67, 0}},    {F::TrapAddress1, {68, 0}},    {F::TrapAddress2, {69, 0}},
    {F::TrapAddress3, {70, 0}},    {F::TrapAddress4, {71, 0}},    {F::TrapCommunity1, {72, 0}},
    {F::TrapCommunity2, {73, 0}},  {F::TrapCommunity3, {74, 0}},  {F::TrapCommunity4, {75, 0}},
    {F::Community1, {76, 0}},      {F::Community2, {77, 0}},      {F::Community3, {78, 0}},
    {F::Community4, {79, 0}},
    {F::MailNotice, {80, 0}},      {F::MailServer, {81, 0}},      {F::MailTo, {82, 0}},
    {F::MailCc, {83, 0}},          {F::MailFrom, {84, 0}},        {F::MailBody1, {85, 0}},
    {F::MailBody2, {86, 0}},       {F::MailBody3, {87, 0}},
    {F::AppleTalkName, {0, 15}},   {F::EtherTalkZone, {0, 16}},   {F::AppleTalkEntity1, {0, 17}},
    {F::AppleTalkEntity2, {0, 18}}, {F::AppleTalkEntity3, {0, 19}}, {F::AppleTalkEntity4, {0, 20}},
    {F::PrintServerName, {0, 6}},  {F::FileServerName, {0, 21}},  {F::NetWareMode, {0, 5}},
    {F::LoginPeriod, {0, 8}},      {F::NetWareRole, {0, 9}},      {F::QueuePeriod, {0, 11}},
    {F::PrinterNumber, {0, 12}},
};

std::optional<unsigned long> Number(const std::string& text, unsigned long maximum) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  for (char c : text)
    if (c < '0' || c > '9') return std::nullopt;
  errno = 0;
  const unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
  if (errno != 0 || value > maximum) return std::nullopt;
  return value;
}

std::optional<std::string> ReadItem(const ConfigItemList& items, std::uint8_t tag) {
  const ConfigItem* item = FindConfigItem(items, tag);
  if (item == nullptr || !item->present) return std::nullopt;
  char text[kConfigValueSize + 1];
  switch (item->form) {
    case ConfigForm::Byte: {
      std::uint8_t value = 0;
      if (!GetConfigByte(items, tag, value)) return std::nullopt;
      return std::to_string(value);
    }
    case ConfigForm::Word: {
      std::uint16_t value = 0;
      if (!GetConfigWord(items, tag, value)) return std::nullopt;
      return std::to_string(value);
    }
    case ConfigForm::Dword: {
      std::uint32_t value = 0;
      if (!GetConfigDword(items, tag, value)) return std::nullopt;
      return std::to_string(value);
    }
    case ConfigForm::Ipv4:
      if (!GetConfigIp(items, tag, text, sizeof text)) return std::nullopt;
      return std::string(text);
    case ConfigForm::Text:
      if (!GetConfigText(items, tag, text, sizeof text)) return std::nullopt;
      return std::string(text);
  }
  return std::nullopt;
}

bool WriteItem(ConfigItemList& items, std::uint8_t tag, const std::string& value) {
  const ConfigItem* item = FindConfigItem(items, tag);
  if (item == nullptr) return false;
  switch (item->form) {
    case ConfigForm::Byte: {
      const auto number = Number(value, 0xFF);
      return number && SetConfigByte(items, tag, static_cast<std::uint8_t>(*number));
    }
    case ConfigForm::Word: {
      const auto number = Number(value, 0xFFFF);
      return number && SetConfigWord(items, tag, static_cast<std::uint16_t>(*number));
    }
    case ConfigForm::Dword: {
      const auto number = Number(value, 0xFFFFFFFFul);
      return number && SetConfigDword(items, tag, static_cast<std::uint32_t>(*number));
    }
    case ConfigForm::Ipv4: return SetConfigIp(items, tag, value.c_str());
    case ConfigForm::Text: return SetConfigText(items, tag, value.c_str());
  }
  return false;
}

std::optional<std::string> ReadAttribute(const AttributeRecord& record, std::uint8_t tag) {
  const Attribute* attribute = FindAttribute(record, tag);
  if (attribute == nullptr || !attribute->present) return std::nullopt;
  char text[kAttributeValueSize + 1];
  switch (attribute->form) {
    case AttributeForm::Byte: {
      std::uint8_t value = 0;
      if (!GetByteAttribute(record, tag, value)) return std::nullopt;
      return std::to_string(value);
    }
    case AttributeForm::Ipv4:
      if (!GetIpAttribute(record, tag, text, sizeof text)) return std::nullopt;
      return std::string(text);
    case AttributeForm::Text:
      if (!GetTextAttribute(record, tag, text, sizeof text)) return std::nullopt;
      return std::string(text);
    case AttributeForm::Bytes:
    case AttributeForm::Password: break;
  }
  return std::nullopt;
}

bool WriteAttribute(AttributeRecord& record, std::uint8_t tag, const std::string& value) {
  const Attribute* attribute = FindAttribute(record, tag);
  if (attribute == nullptr) return false;
  switch (attribute->form) {
    case AttributeForm::Byte: {
      const auto number = Number(value, 0xFF);
      return number && SetByteAttribute(record, tag, static_cast<std::uint8_t>(*number));
    }
    case AttributeForm::Ipv4: return SetIpAttribute(record, tag, value.c_str());
    case AttributeForm::Text: return SetTextAttribute(record, tag, value.c_str());
    case AttributeForm::Bytes:
    case AttributeForm::Password: break;
  }
  return false;
}

bool ItemPresent(const NicSettings& settings, std::uint8_t tag) {
  const ConfigItem* item = tag != 0 ? FindConfigItem(settings.items, tag) : nullptr;
  return item != nullptr && item->present;
}

bool AttributePresent(const NicSettings& settings, std::uint8_t tag) {
  const Attribute* attribute = tag != 0 ? FindAttribute(settings.attributes, tag) : nullptr;
  return attribute != nullptr && attribute->present;
}

}  // namespace

bool IsCommandNic(const NicSettings& settings) {
  std::uint8_t capability = 0;
  return GetByteAttribute(settings.attributes, tag::kCapabilities, capability) &&
         capability == kCapabilityCommandProtocol;
}

AppleTalkAddress AppleTalkAddressOf(const NicSettings& settings) {
  constexpr std::uint8_t kNodeTag = 32;
  constexpr std::uint8_t kNetworkTag = 33;
  AppleTalkAddress address;
  std::uint8_t network[2];
  std::size_t length = 0;
  if (GetAttribute(settings.attributes, kNetworkTag, network, sizeof network, length) && length == 2) {
    address.network = std::to_string(network[0] << 8 | network[1]);
  }
  std::uint8_t node = 0;
  if (GetByteAttribute(settings.attributes, kNodeTag, node)) address.node = std::to_string(node);
  return address;
}

std::string NdsContext(const NicSettings& settings) {
  char text[kExtendedValueSize + 1] = {};
  if (!settings.extended.present || !GetExtendedText(settings.extended, text, sizeof text)) return "";
  return text;
}

bool SetNdsContext(NicSettings& settings, const std::string& context) {
  return SetExtendedText(settings.extended, context.c_str());
}

NicSettings SettingsFromReply(const AttributeRecord* attributes, const ExtendedTextRecord* extended,
                              const ConfigItemList* items, bool hasInformation) {
  NicSettings settings;
  settings.hasAttributes = attributes != nullptr;
  if (attributes != nullptr) settings.attributes = *attributes;
  settings.hasExtended = extended != nullptr;
  if (extended != nullptr) settings.extended = *extended;
  settings.hasCommandReply = items != nullptr;
  if (items != nullptr) settings.items = *items;
  settings.hasInformation = hasInformation;
  return settings;
}

FieldPlace PlaceOf(SettingField field) {
  for (const Row& row : kPlaces)
    if (row.field == field) return row.place;
  return {0, 0};
}

std::optional<std::string> ReadSetting(const NicSettings& settings, SettingField field) {
  const FieldPlace place = PlaceOf(field);
  if (ItemPresent(settings, place.item)) return ReadItem(settings.items, place.item);
  if (place.attribute != 0) return ReadAttribute(settings.attributes, place.attribute);
  return std::nullopt;
}

bool WriteSetting(NicSettings& settings, SettingField field, const std::string& value) {
  const FieldPlace place = PlaceOf(field);
  if (ItemPresent(settings, place.item)) return WriteItem(settings.items, place.item, value);
  if (AttributePresent(settings, place.attribute))
    return WriteAttribute(settings.attributes, place.attribute, value);
  return false;
}

}  // namespace nic
