#pragma once
// The attributes and configuration items nicctl knows by name: the name a
// user types after `set`, the label a read shows, the tag, and the form the
// value takes.

#include <cstdint>
#include <span>
#include <string_view>

#include "nicproto/config_items.h"

// How an attribute's value is shown and, for the settable ones, typed.
enum class AttributeShow : std::uint8_t {
  Byte,
  Ipv4,
  Text,
  Password,
  Mac,           // 247 and 248 together
  Capabilities,  // 249: protocol bits
  Firmware,      // 251: five characters
  PrintActivity, // 253
  PortStatus,    // 254: offline and paper-out bits
};

struct AttributeField {
  const char* key;    // as typed: name=...
  const char* label;  // as shown
  std::uint8_t tag;
  AttributeShow show;
  bool settable;
};

struct ConfigField {
  const char* key;  // as typed, after "config."
  const char* label;
  std::uint8_t tag;
  nic::ConfigForm form;
};

// The NDS name context travels in the extended text record, not as an
// attribute, but is set and shown like one.
inline constexpr std::string_view kContextKey = "context";
inline constexpr const char* kContextLabel = "NDS context";

std::span<const AttributeField> AttributeFields();
std::span<const ConfigField> ConfigFields();

// nullptr when nothing has that key or tag.
const AttributeField* AttributeFieldByKey(std::string_view key);
const AttributeField* AttributeFieldByTag(std::uint8_t tag);
const ConfigField* ConfigFieldByKey(std::string_view key);
const ConfigField* ConfigFieldByTag(std::uint8_t tag);
