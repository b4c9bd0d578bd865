#include "tools/nicsim/nic_state.h"

#include <cstdint>

namespace nicsim {
namespace {

constexpr char kSubnetMask[] = "255.255.255.0";
constexpr char kGateway[] = "127.0.0.1";
constexpr char kOtherMakerDescription[] = "XYZ Ethernet Card";
constexpr std::uint8_t kOtherMakerCapability = 0x40;
constexpr std::uint8_t kExtendedTextBit = 0x80;
constexpr std::size_t kFirmwareLength = 5;

void SetBytes(nic::AttributeRecord& record, std::uint8_t tag, std::uint8_t first,
              std::uint8_t second) {
  const std::uint8_t value[] = {first, second};
  nic::SetAttribute(record, tag, value, sizeof value);
}

void SetFirmware(nic::AttributeRecord& record, const std::string& firmware) {
  std::uint8_t value[kFirmwareLength] = {' ', ' ', ' ', ' ', ' '};
  for (std::size_t i = 0; i < firmware.size() && i < kFirmwareLength; ++i) {
    value[i] = static_cast<std::uint8_t>(firmware[i]);
  }
  nic::SetAttribute(record, nic::tag::kFirmwareVersion, value, kFirmwareLength);
}

void ApplyIdentity(nic::AttributeRecord& record, const SimNic& s) {
  const bool foreign = s.fault == Fault::OtherMaker;
  nic::SetTextAttribute(record, nic::tag::kDescription,
                        foreign ? kOtherMakerDescription : s.description.c_str());
  nic::SetByteAttribute(record, nic::tag::kCapabilities,
                        foreign ? kOtherMakerCapability : s.capability);
  nic::SetMacText(record, s.mac.c_str());
  SetFirmware(record, s.firmware);
}

void ApplyAttributes(nic::AttributeRecord& record, const SimNic& s) {
  nic::SetIpAttribute(record, nic::tag::kIpAddress, s.ip.c_str());
  nic::SetTextAttribute(record, nic::tag::kName, s.name.c_str());
  SetBytes(record, nic::tag::kProperties, s.extendedTextSupported ? kExtendedTextBit : 0, 0);
  ApplyIdentity(record, s);
  nic::SetByteAttribute(record, nic::tag::kPrintActivity, s.printActivity);
  nic::SetByteAttribute(record, nic::tag::kPortStatus, s.portStatus);
}

constexpr std::uint8_t kFirstMailItem = 80;
constexpr std::uint8_t kLastMailItem = 87;

bool IsMailItem(std::uint8_t tag) { return tag >= kFirstMailItem && tag <= kLastMailItem; }

// The mail notice off, with no server and no addresses; an empty body makes
// the sheet offer its own lines.
void FactoryMailItems(nic::ConfigItemList& config) {
  nic::SetConfigByte(config, kFirstMailItem, 0);
  nic::SetConfigIp(config, 81, "0.0.0.0");
  for (std::uint8_t tag = 82; tag <= kLastMailItem; ++tag) nic::SetConfigText(config, tag, "");
}

// Items a real NIC holds from the factory; the address and name follow the
// settings.
void InitialConfig(nic::ConfigItemList& config) {
  nic::SetConfigIp(config, nic::config::kSubnetMask, kSubnetMask);
  nic::SetConfigIp(config, nic::config::kGateway, kGateway);
  nic::SetConfigByte(config, 4, 8);       // simultaneous print links, 1..64
  nic::SetConfigWord(config, 5, 300);     // link idle time-out, 30..7200 seconds
  nic::SetConfigByte(config, 6, 0);       // link speed: automatic
  nic::SetConfigByte(config, 7, 0);       // duplex: automatic
  nic::SetConfigByte(config, 8, 10);      // FTP time-out, 5..60 minutes
  nic::SetConfigByte(config, 9, 1);       // address set by hand
  nic::SetConfigByte(config, 10, 1);      // keep-alive packets sent
  nic::SetConfigByte(config, 11, 0);      // no DHCP
  nic::SetConfigByte(config, 17, 50);     // printer access period, tenths of a second
  nic::SetConfigByte(config, 32, 0);      // no print history
  nic::SetConfigByte(config, nic::config::kPowerOffRefused, 0);
  nic::SetConfigByte(config, nic::config::kPowerOffInAlarm, 1);
  nic::SetConfigWord(config, nic::config::kPowerOffWait, 30);
  nic::SetConfigByte(config, nic::config::kAutoPowerOff, 0);
  for (std::uint8_t trap = 0; trap < 4; ++trap) {
    nic::SetConfigByte(config, 64 + trap, 0);                        // destination off
    nic::SetConfigIp(config, 68 + trap, "0.0.0.0");                  // its address
    nic::SetConfigText(config, 72 + trap, trap == 0 ? "public" : "");  // its community
    nic::SetConfigText(config, 76 + trap, trap == 0 ? "public" : "");  // accepted communities
  }
  FactoryMailItems(config);
}

// Attributes no setting covers, so that what a manager writes to them stays:
// among them those the setting pages of a NIC that is no command NIC read,
// the access period and FTP time-out, the AppleTalk names, an empty
// print-server password.
void InitialAttributes(nic::AttributeRecord& record) {
  nic::SetByteAttribute(record, 0, 0);
  SetBytes(record, 241, 0, 0);
  SetBytes(record, 243, 0, 0);
  nic::SetIpAttribute(record, nic::tag::kSubnetMask, kSubnetMask);
  nic::SetByteAttribute(record, nic::tag::kAccessPeriod, 50);
  nic::SetByteAttribute(record, nic::tag::kFtpTimeout, 10);
  nic::SetTextAttribute(record, 15, "PRN");      // AppleTalk printer name
  nic::SetTextAttribute(record, 16, "*");        // EtherTalk zone
  for (std::uint8_t entity = 17; entity <= 20; ++entity) nic::SetTextAttribute(record, entity, "");
  nic::SetPassword(record, "");
}

// A NIC that holds no mail notice has none of its items at all, so that a
// command 2 reply does not carry item 80; turning it back on starts from the
// factory values.
void ApplyMail(nic::ConfigItemList& config, bool mail) {
  const nic::ConfigItem* notice = nic::FindConfigItem(config, kFirstMailItem);
  if (mail && !notice->present) FactoryMailItems(config);
  if (mail) return;
  for (std::uint8_t tag = kFirstMailItem; tag <= kLastMailItem; ++tag) {
    nic::ConfigItem* item = nic::FindConfigItem(config, tag);
    item->present = false;
    item->length = -1;
  }
}

void ApplyNumberedValues(NicState& nic, const SimNic& s) {
  for (const auto& [tag, value] : s.items) {
    if (!s.mail && IsMailItem(tag)) continue;
    nic::SetConfigValue(nic.config, tag, value.data(), value.size());
  }
  char mask[nic::kConfigValueSize + 1] = {};
  if (nic::GetConfigIp(nic.config, nic::config::kSubnetMask, mask, sizeof mask)) {
    nic::SetIpAttribute(nic.attributes, nic::tag::kSubnetMask, mask);
  }
  for (const auto& [tag, value] : s.attributes) {
    nic::SetAttribute(nic.attributes, tag, value.data(), value.size());
  }
}

}  // namespace

NicState MakeNicState(const SimNic& settings) {
  NicState nic;
  InitialAttributes(nic.attributes);
  InitialConfig(nic.config);
  ApplySettings(nic, settings);
  return nic;
}

void ApplySettings(NicState& nic, const SimNic& settings) {
  nic.settings = settings;
  ApplyAttributes(nic.attributes, settings);
  nic::SetConfigIp(nic.config, nic::config::kIpAddress, settings.ip.c_str());
  nic::SetConfigText(nic.config, nic::config::kName, settings.name.c_str());
  ApplyMail(nic.config, settings.mail);
  ApplyNumberedValues(nic, settings);
}

bool HoldsItem(const NicState& nic, std::uint8_t tag) {
  const nic::ConfigItem* item = nic::FindConfigItem(nic.config, tag);
  return item != nullptr && item->present;
}

void KeepWrittenItem(NicState& nic, std::uint8_t tag) {
  const auto it = nic.settings.items.find(tag);
  const nic::ConfigItem* item = nic::FindConfigItem(nic.config, tag);
  if (it == nic.settings.items.end() || item == nullptr || !item->present) return;
  it->second.assign(item->value, static_cast<std::size_t>(item->length));
}

void KeepWrittenAttribute(NicState& nic, std::uint8_t tag) {
  const auto it = nic.settings.attributes.find(tag);
  const nic::Attribute* attribute = nic::FindAttribute(nic.attributes, tag);
  if (it == nic.settings.attributes.end() || attribute == nullptr || !attribute->present) return;
  it->second.assign(attribute->value, attribute->value + attribute->length);
}

void SetNicAddress(NicState& nic, const std::string& ip) {
  nic.settings.ip = ip;
  nic::SetIpAttribute(nic.attributes, nic::tag::kIpAddress, ip.c_str());
  nic::SetConfigIp(nic.config, nic::config::kIpAddress, ip.c_str());
}

void SetNicName(NicState& nic, const std::string& name) {
  nic.settings.name = name;
  nic::SetTextAttribute(nic.attributes, nic::tag::kName, name.c_str());
  nic::SetConfigText(nic.config, nic::config::kName, name.c_str());
}

}  // namespace nicsim
