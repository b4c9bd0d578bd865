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
  nic::SetByteAttribute(record, 0, 0);
  nic::SetIpAttribute(record, nic::tag::kIpAddress, s.ip.c_str());
  nic::SetTextAttribute(record, nic::tag::kName, s.name.c_str());
  SetBytes(record, 241, 0, 0);
  SetBytes(record, nic::tag::kProperties, s.extendedTextSupported ? kExtendedTextBit : 0, 0);
  SetBytes(record, 243, 0, 0);
  ApplyIdentity(record, s);
  nic::SetByteAttribute(record, nic::tag::kPrintActivity, s.printActivity);
  nic::SetByteAttribute(record, nic::tag::kPortStatus, s.portStatus);
}

// Items a real NIC holds from the factory; the address and name follow the
// settings.
void InitialConfig(nic::ConfigItemList& config) {
  nic::SetConfigIp(config, nic::config::kSubnetMask, kSubnetMask);
  nic::SetConfigIp(config, nic::config::kGateway, kGateway);
  nic::SetConfigByte(config, 4, 8);       // simultaneous print links
  nic::SetConfigWord(config, 5, 300);     // link idle time-out, seconds
  nic::SetConfigByte(config, 9, 1);       // address set by hand
  nic::SetConfigByte(config, nic::config::kPowerOffRefused, 0);
  nic::SetConfigByte(config, nic::config::kPowerOffInAlarm, 1);
  nic::SetConfigWord(config, nic::config::kPowerOffWait, 30);
  nic::SetConfigByte(config, nic::config::kAutoPowerOff, 0);
}

}  // namespace

NicState MakeNicState(const SimNic& settings) {
  NicState nic;
  nic::SetIpAttribute(nic.attributes, nic::tag::kSubnetMask, kSubnetMask);
  InitialConfig(nic.config);
  ApplySettings(nic, settings);
  return nic;
}

void ApplySettings(NicState& nic, const SimNic& settings) {
  nic.settings = settings;
  ApplyAttributes(nic.attributes, settings);
  nic::SetConfigIp(nic.config, nic::config::kIpAddress, settings.ip.c_str());
  nic::SetConfigText(nic.config, nic::config::kName, settings.name.c_str());
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
