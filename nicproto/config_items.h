#pragma once
// The NIC's configuration as command 1 writes it and command 2 reads it: 56
// tagged items whose values travel as text, numbers as upper-case hex (a byte
// as 2 digits, 16 bits as 4, 32 bits or an IPv4 address as 8, first octet
// first). On the wire an item is its tag byte, its value text, then ';'.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace nic {

inline constexpr std::size_t kConfigItemCount = 56;
inline constexpr std::size_t kConfigValueSize = 128;

enum class ConfigForm : std::uint8_t { Byte, Word, Dword, Ipv4, Text };

struct ConfigItem {
  std::uint8_t tag;
  std::uint8_t minLength;
  std::uint8_t maxLength;
  ConfigForm form;
  bool present;
  int length;  // -1 while never set
  char value[kConfigValueSize];  // not terminated: `length` counts it
};

struct ConfigItemList {
  ConfigItem items[kConfigItemCount];
  ConfigItemList();  // the reset state
};

namespace config {
inline constexpr std::uint8_t kIpAddress = 1;
inline constexpr std::uint8_t kSubnetMask = 2;
inline constexpr std::uint8_t kGateway = 3;
inline constexpr std::uint8_t kName = 16;
inline constexpr std::uint8_t kPowerOffRefused = 37;     // '%'
inline constexpr std::uint8_t kPowerOffInAlarm = 38;     // '&'
inline constexpr std::uint8_t kPowerOffWait = 39;        // '\''
inline constexpr std::uint8_t kAutoPowerOff = 40;        // '('
}  // namespace config

void ResetConfigItems(ConfigItemList& list);

ConfigItem* FindConfigItem(ConfigItemList& list, std::uint8_t tag);
const ConfigItem* FindConfigItem(const ConfigItemList& list, std::uint8_t tag);

// Payload of command 1: a two-byte length (high byte first) counting what
// follows, then every present item in table order.
void EncodeConfigItems(const ConfigItemList& list, std::vector<std::uint8_t>& out);

// Payload of command 2's reply. The declared length is clamped to the bytes
// received; an item is kept only when its tag is known and its value's length
// lies within bounds. The list is reset first.
void DecodeConfigItems(std::span<const std::uint8_t> payload, ConfigItemList& list);

// Raw value text. Setting fails for an unknown tag, a value shorter than the
// minimum, or one holding ';' (it would end the item early); a longer value
// is cut to the maximum.
bool SetConfigValue(ConfigItemList& list, std::uint8_t tag, const char* text, std::size_t length);

bool GetConfigByte(const ConfigItemList& list, std::uint8_t tag, std::uint8_t& value);
bool SetConfigByte(ConfigItemList& list, std::uint8_t tag, std::uint8_t value);
bool GetConfigWord(const ConfigItemList& list, std::uint8_t tag, std::uint16_t& value);
bool SetConfigWord(ConfigItemList& list, std::uint8_t tag, std::uint16_t value);
bool GetConfigDword(const ConfigItemList& list, std::uint8_t tag, std::uint32_t& value);
bool SetConfigDword(ConfigItemList& list, std::uint8_t tag, std::uint32_t value);
// "%d.%d.%d.%d"; setting takes only a canonical dotted address.
bool GetConfigIp(const ConfigItemList& list, std::uint8_t tag, char* text, std::size_t size);
bool SetConfigIp(ConfigItemList& list, std::uint8_t tag, const char* text);
// Always terminates `text`.
bool GetConfigText(const ConfigItemList& list, std::uint8_t tag, char* text, std::size_t size);
bool SetConfigText(ConfigItemList& list, std::uint8_t tag, const char* text);

}  // namespace nic
