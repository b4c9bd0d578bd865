#pragma once
// One `field=value` of `set`: checked and converted when the command line is
// read, long before the network is touched, and written later into what the
// write transaction sends.

#include <cstdint>
#include <string>

#include "nicconf/exchange/nic_transaction.h"
#include "nicproto/config_items.h"

enum class SettingTarget : std::uint8_t { Attribute, ExtendedText, ConfigItem };

enum class ValueForm : std::uint8_t { Byte, Word, Dword, Ipv4, Text, Password, HexBytes };

struct FieldSetting {
  std::string field;  // as typed, for messages
  SettingTarget target = SettingTarget::Attribute;
  std::uint8_t tag = 0;
  ValueForm form = ValueForm::Text;
  std::string value;  // Shift_JIS text, a dotted address, or the bytes of hex pairs
  std::uint32_t number = 0;
};

// Reads "field=value"; on failure `error` is one line naming the field.
bool ParseFieldSetting(const std::string& word, FieldSetting& setting, std::string& error);

// Writes the value where the setting belongs; false when the record or the
// list refuses it.
bool ApplySetting(const FieldSetting& setting, nic::TransactionBlock& block,
                  nic::ConfigItemList& config);
