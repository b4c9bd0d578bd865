#include "tools/nicctl/field_setting.h"

#include <string_view>

#include "common/ipv4_text.h"
#include "nicproto/extended_text_record.h"
#include "nicproto/hex_text.h"
#include "nicproto/password.h"
#include "tools/nicctl/field_names.h"
#include "tools/nicctl/terminal_text.h"

namespace {

constexpr std::string_view kConfigPrefix = "config.";
constexpr std::string_view kAttributePrefix = "attr.";

// Where a field's value goes and how many bytes it may take there.
struct FieldTarget {
  SettingTarget target;
  std::uint8_t tag;
  ValueForm form;
  std::size_t minBytes;
  std::size_t maxBytes;
};

const nic::AttributeRecord& EmptyRecord() {
  static const nic::AttributeRecord record;
  return record;
}

const nic::ConfigItemList& EmptyConfig() {
  static const nic::ConfigItemList list;
  return list;
}

// Text attributes keep room for their zero byte.
FieldTarget AttributeTarget(const nic::Attribute& a, ValueForm form) {
  if (form == ValueForm::Text) return {SettingTarget::Attribute, a.tag, form, 0, a.maxLength - 1u};
  if (form == ValueForm::Password) {
    return {SettingTarget::Attribute, a.tag, form, 0, nic::kPasswordLength};
  }
  return {SettingTarget::Attribute, a.tag, form, a.minLength, a.maxLength};
}

ValueForm FormOfShow(AttributeShow show) {
  switch (show) {
    case AttributeShow::Ipv4: return ValueForm::Ipv4;
    case AttributeShow::Text: return ValueForm::Text;
    case AttributeShow::Password: return ValueForm::Password;
    default: return ValueForm::Byte;
  }
}

ValueForm FormOfAttribute(nic::AttributeForm form) {
  switch (form) {
    case nic::AttributeForm::Text: return ValueForm::Text;
    case nic::AttributeForm::Password: return ValueForm::Password;
    default: return ValueForm::HexBytes;
  }
}

ValueForm FormOfConfig(nic::ConfigForm form) {
  switch (form) {
    case nic::ConfigForm::Byte: return ValueForm::Byte;
    case nic::ConfigForm::Word: return ValueForm::Word;
    case nic::ConfigForm::Dword: return ValueForm::Dword;
    case nic::ConfigForm::Ipv4: return ValueForm::Ipv4;
    case nic::ConfigForm::Text: return ValueForm::Text;
  }
  return ValueForm::Text;
}

bool ReadDecimal(std::string_view text, std::uint64_t high, std::uint64_t& value) {
  if (text.empty() || text.size() > 10) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value <= high;
}

bool ConfigTarget(std::string_view key, FieldTarget& out) {
  const ConfigField* field = ConfigFieldByKey(key);
  if (field == nullptr) return false;
  const nic::ConfigItem* item = nic::FindConfigItem(EmptyConfig(), field->tag);
  out = {SettingTarget::ConfigItem, field->tag, FormOfConfig(field->form), 0, item->maxLength};
  return true;
}

bool AttributeTagTarget(std::string_view number, FieldTarget& out) {
  std::uint64_t tag = 0;
  if (!ReadDecimal(number, 255, tag)) return false;
  const nic::Attribute* a = nic::FindAttribute(EmptyRecord(), static_cast<std::uint8_t>(tag));
  if (a == nullptr) return false;
  out = AttributeTarget(*a, FormOfAttribute(a->form));
  return true;
}

// Leaves `error` empty when the field is simply unknown.
bool LookUpTarget(std::string_view key, FieldTarget& out, std::string& error) {
  if (key.starts_with(kConfigPrefix)) return ConfigTarget(key.substr(kConfigPrefix.size()), out);
  if (key.starts_with(kAttributePrefix)) {
    return AttributeTagTarget(key.substr(kAttributePrefix.size()), out);
  }
  if (key == kContextKey) {
    out = {SettingTarget::ExtendedText, 0, ValueForm::Text, 0, nic::kExtendedValueSize - 1};
    return true;
  }
  const AttributeField* field = AttributeFieldByKey(key);
  if (field == nullptr) return false;
  if (!field->settable) return error = std::string(key) + " cannot be set", false;
  out = AttributeTarget(*nic::FindAttribute(EmptyRecord(), field->tag), FormOfShow(field->show));
  return true;
}

bool FindTarget(std::string_view key, FieldTarget& out, std::string& error) {
  error.clear();
  if (LookUpTarget(key, out, error)) return true;
  if (error.empty()) error = "unknown field: " + std::string(key);
  return false;
}

bool ReadHexPairs(const std::string& text, std::string& bytes) {
  if (text.size() % 2 != 0) return false;
  bytes.clear();
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = nic::HexDigitValue(text[i]);
    const int low = nic::HexDigitValue(text[i + 1]);
    if (high < 0 || low < 0) return false;
    bytes += static_cast<char>(high * 16 + low);
  }
  return true;
}

std::string ByteRange(const FieldTarget& t) {
  if (t.minBytes == t.maxBytes) return std::to_string(t.maxBytes);
  return std::to_string(t.minBytes) + ".." + std::to_string(t.maxBytes);
}

bool ReadText(const std::string& key, const std::string& text, const FieldTarget& t,
              FieldSetting& s, std::string& error) {
  if (!FromTerminal(text, s.value)) {
    return error = key + ": the text has characters Shift_JIS cannot hold", false;
  }
  if (s.value.size() > t.maxBytes) {
    return error = key + " takes at most " + std::to_string(t.maxBytes) + " bytes", false;
  }
  return true;
}

bool ReadNumber(const std::string& key, const std::string& text, std::uint64_t high,
                FieldSetting& s, std::string& error) {
  std::uint64_t n = 0;
  if (!ReadDecimal(text, high, n)) {
    return error = key + " must be a number 0.." + std::to_string(high) + ": " + text, false;
  }
  s.number = static_cast<std::uint32_t>(n);
  return true;
}

bool ReadValue(const std::string& key, const std::string& text, const FieldTarget& t,
               FieldSetting& s, std::string& error) {
  Ipv4 ip{};
  switch (t.form) {
    case ValueForm::Byte: return ReadNumber(key, text, 0xFF, s, error);
    case ValueForm::Word: return ReadNumber(key, text, 0xFFFF, s, error);
    case ValueForm::Dword: return ReadNumber(key, text, 0xFFFFFFFF, s, error);
    case ValueForm::Ipv4:
      s.value = text;
      if (ParseDottedIp(text.c_str(), ip)) return true;
      return error = key + " must be a dotted IPv4 address: " + text, false;
    case ValueForm::Text:
    case ValueForm::Password: return ReadText(key, text, t, s, error);
    case ValueForm::HexBytes:
      if (ReadHexPairs(text, s.value) && s.value.size() >= t.minBytes &&
          s.value.size() <= t.maxBytes) {
        return true;
      }
      return error = key + " takes " + ByteRange(t) + " bytes as hex pairs: " + text, false;
  }
  return false;
}

// The record and the list have the last word (a ';' in a configuration text
// would end its item early); asking them now keeps the network untouched.
bool Accepted(const FieldSetting& s, std::string& error) {
  nic::TransactionBlock block;
  nic::ConfigItemList config;
  if (ApplySetting(s, block, config)) return true;
  error = s.field + " cannot take this value";
  if (s.target == SettingTarget::ConfigItem && s.form == ValueForm::Text) error += " (no ';')";
  return false;
}

bool ApplyToAttributes(const FieldSetting& s, nic::AttributeRecord& record) {
  switch (s.form) {
    case ValueForm::Byte:
      return nic::SetByteAttribute(record, s.tag, static_cast<std::uint8_t>(s.number));
    case ValueForm::Ipv4: return nic::SetIpAttribute(record, s.tag, s.value.c_str());
    case ValueForm::Text: return nic::SetTextAttribute(record, s.tag, s.value.c_str());
    case ValueForm::Password: return nic::SetPassword(record, s.value.c_str());
    case ValueForm::HexBytes:
      return nic::SetAttribute(record, s.tag,
                               reinterpret_cast<const std::uint8_t*>(s.value.data()),
                               s.value.size());
    default: return false;
  }
}

bool ApplyToConfig(const FieldSetting& s, nic::ConfigItemList& config) {
  switch (s.form) {
    case ValueForm::Byte:
      return nic::SetConfigByte(config, s.tag, static_cast<std::uint8_t>(s.number));
    case ValueForm::Word:
      return nic::SetConfigWord(config, s.tag, static_cast<std::uint16_t>(s.number));
    case ValueForm::Dword: return nic::SetConfigDword(config, s.tag, s.number);
    case ValueForm::Ipv4: return nic::SetConfigIp(config, s.tag, s.value.c_str());
    case ValueForm::Text: return nic::SetConfigText(config, s.tag, s.value.c_str());
    default: return false;
  }
}

}  // namespace

bool ParseFieldSetting(const std::string& word, FieldSetting& setting, std::string& error) {
  const std::size_t equals = word.find('=');
  if (equals == std::string::npos || equals == 0) {
    return error = "expected <field>=<value>: " + word, false;
  }
  setting = FieldSetting{};
  setting.field = word.substr(0, equals);
  FieldTarget target{};
  if (!FindTarget(setting.field, target, error)) return false;
  setting.target = target.target;
  setting.tag = target.tag;
  setting.form = target.form;
  return ReadValue(setting.field, word.substr(equals + 1), target, setting, error) &&
         Accepted(setting, error);
}

bool ApplySetting(const FieldSetting& setting, nic::TransactionBlock& block,
                  nic::ConfigItemList& config) {
  switch (setting.target) {
    case SettingTarget::Attribute: return ApplyToAttributes(setting, block.attributes);
    case SettingTarget::ExtendedText:
      return nic::SetExtendedText(block.extendedText, setting.value.c_str());
    case SettingTarget::ConfigItem: return ApplyToConfig(setting, config);
  }
  return false;
}
