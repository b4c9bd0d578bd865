#include "tools/nicctl/field_names.h"

#include <algorithm>

namespace {

using S = AttributeShow;
const AttributeField kAttributeFields[] = {
    {"ip", "IP address", 1, S::Ipv4, true},
    {"name", "name", 7, S::Text, true},
    {"access-period", "access period (0.1 s)", 10, S::Byte, true},
    {"ftp-timeout", "FTP time-out (min)", 14, S::Byte, true},
    {"appletalk-name", "AppleTalk printer name", 15, S::Text, true},
    {"appletalk-zone", "AppleTalk zone", 16, S::Text, true},
    {"appletalk-entity-1", "AppleTalk entity name 1", 17, S::Text, true},
    {"appletalk-entity-2", "AppleTalk entity name 2", 18, S::Text, true},
    {"appletalk-entity-3", "AppleTalk entity name 3", 19, S::Text, true},
    {"appletalk-entity-4", "AppleTalk entity name 4", 20, S::Text, true},
    {"password", "password", 23, S::Password, true},
    {"mask", "subnet mask", 29, S::Ipv4, true},
    {"mac", "MAC address", 247, S::Mac, false},
    {"capabilities", "capabilities", 249, S::Capabilities, false},
    {"description", "description", 250, S::Text, false},
    {"firmware", "firmware version", 251, S::Firmware, false},
    {"print-activity", "print activity", 253, S::PrintActivity, false},
    {"port-status", "port status", 254, S::PortStatus, false},
};

using F = nic::ConfigForm;
const ConfigField kConfigFields[] = {
    {"ip", "IP address", 1, F::Ipv4},
    {"mask", "subnet mask", 2, F::Ipv4},
    {"gateway", "default gateway", 3, F::Ipv4},
    {"max-links", "max print links", 4, F::Byte},
    {"link-timeout", "link idle time-out (s)", 5, F::Word},
    {"link-speed", "link speed", 6, F::Byte},
    {"duplex", "duplex", 7, F::Byte},
    {"ftp-timeout", "FTP time-out (min)", 8, F::Byte},
    {"ip-method", "IP method", 9, F::Byte},
    {"keep-alive", "keep-alive", 10, F::Byte},
    {"dhcp", "DHCP", 11, F::Byte},
    {"name", "name", 16, F::Text},
    {"access-period", "access period (0.1 s)", 17, F::Byte},
    {"print-history", "print history", 32, F::Byte},
    {"power-off-refused", "power-off refused", 37, F::Byte},
    {"power-off-in-alarm", "power-off in alarm", 38, F::Byte},
    {"power-off-wait", "power-off wait (s)", 39, F::Word},
    {"auto-power-off", "auto power-off", 40, F::Byte},
    {"trap-1", "SNMP trap 1 enabled", 64, F::Byte},
    {"trap-2", "SNMP trap 2 enabled", 65, F::Byte},
    {"trap-3", "SNMP trap 3 enabled", 66, F::Byte},
    {"trap-4", "SNMP trap 4 enabled", 67, F::Byte},
    {"trap-1-address", "SNMP trap 1 address", 68, F::Ipv4},
    {"trap-2-address", "SNMP trap 2 address", 69, F::Ipv4},
    {"trap-3-address", "SNMP trap 3 address", 70, F::Ipv4},
    {"trap-4-address", "SNMP trap 4 address", 71, F::Ipv4},
    {"trap-1-community", "SNMP trap 1 community", 72, F::Text},
    {"trap-2-community", "SNMP trap 2 community", 73, F::Text},
    {"trap-3-community", "SNMP trap 3 community", 74, F::Text},
    {"trap-4-community", "SNMP trap 4 community", 75, F::Text},
    {"community-1", "SNMP community 1", 76, F::Text},
    {"community-2", "SNMP community 2", 77, F::Text},
    {"community-3", "SNMP community 3", 78, F::Text},
    {"community-4", "SNMP community 4", 79, F::Text},
    {"toner-low-mail", "toner-low mail", 80, F::Byte},
    {"mail-server", "mail server", 81, F::Ipv4},
    {"mail-text-1", "mail text 1", 82, F::Text},
    {"mail-text-2", "mail text 2", 83, F::Text},
    {"mail-text-3", "mail text 3", 84, F::Text},
    {"mail-text-4", "mail text 4", 85, F::Text},
    {"mail-text-5", "mail text 5", 86, F::Text},
    {"mail-text-6", "mail text 6", 87, F::Text},
    {"counter-144", "counter 144", 144, F::Dword},
    {"counter-145", "counter 145", 145, F::Dword},
    {"counter-146", "counter 146", 146, F::Dword},
    {"counter-147", "counter 147", 147, F::Dword},
    {"counter-148", "counter 148", 148, F::Dword},
    {"counter-149", "counter 149", 149, F::Dword},
    {"counter-150", "counter 150", 150, F::Dword},
    {"counter-161", "counter 161", 161, F::Dword},
    {"counter-162", "counter 162", 162, F::Dword},
    {"counter-163", "counter 163", 163, F::Dword},
    {"counter-164", "counter 164", 164, F::Dword},
    {"counter-165", "counter 165", 165, F::Dword},
    {"counter-166", "counter 166", 166, F::Dword},
};

template <typename Field, typename Match>
const Field* FindField(std::span<const Field> fields, Match match) {
  const auto found = std::find_if(fields.begin(), fields.end(), match);
  return found == fields.end() ? nullptr : &*found;
}

}  // namespace

std::span<const AttributeField> AttributeFields() { return kAttributeFields; }
std::span<const ConfigField> ConfigFields() { return kConfigFields; }

const AttributeField* AttributeFieldByKey(std::string_view key) {
  return FindField(AttributeFields(), [key](const AttributeField& f) { return f.key == key; });
}

const AttributeField* AttributeFieldByTag(std::uint8_t tag) {
  return FindField(AttributeFields(), [tag](const AttributeField& f) { return f.tag == tag; });
}

const ConfigField* ConfigFieldByKey(std::string_view key) {
  return FindField(ConfigFields(), [key](const ConfigField& f) { return f.key == key; });
}

const ConfigField* ConfigFieldByTag(std::uint8_t tag) {
  return FindField(ConfigFields(), [tag](const ConfigField& f) { return f.tag == tag; });
}
