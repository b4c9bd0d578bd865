#include "nicproto/config_items.h"

#include <algorithm>
#include <cstring>

#include "common/bounded_text.h"
#include "common/ipv4_text.h"
#include "nicproto/hex_text.h"

namespace nic {
namespace {

struct ConfigItemForm {
  std::uint8_t tag;
  ConfigForm form;
  std::uint8_t maxText;  // for text items
};

using F = ConfigForm;
constexpr ConfigItemForm kConfigItemForms[kConfigItemCount] = {
    {1, F::Ipv4, 0},    {2, F::Ipv4, 0},    {3, F::Ipv4, 0},    {4, F::Byte, 0},
    {5, F::Word, 0},    {6, F::Byte, 0},    {7, F::Byte, 0},    {8, F::Byte, 0},
    {9, F::Byte, 0},    {10, F::Byte, 0},   {16, F::Text, 48},  {17, F::Byte, 0},
    {32, F::Byte, 0},   {37, F::Byte, 0},   {38, F::Byte, 0},   {39, F::Word, 0},
    {40, F::Byte, 0},   {64, F::Byte, 0},   {65, F::Byte, 0},   {66, F::Byte, 0},
    {67, F::Byte, 0},   {68, F::Ipv4, 0},   {69, F::Ipv4, 0},   {70, F::Ipv4, 0},
    {71, F::Ipv4, 0},   {72, F::Text, 32},  {73, F::Text, 32},  {74, F::Text, 32},
    {75, F::Text, 32},  {76, F::Text, 32},  {77, F::Text, 32},  {78, F::Text, 32},
    {79, F::Text, 32},  {128, F::Byte, 0},  {144, F::Dword, 0}, {145, F::Dword, 0},
    {146, F::Dword, 0}, {147, F::Dword, 0}, {148, F::Dword, 0}, {149, F::Dword, 0},
    {150, F::Dword, 0}, {161, F::Dword, 0}, {162, F::Dword, 0}, {163, F::Dword, 0},
    {164, F::Dword, 0}, {165, F::Dword, 0}, {166, F::Dword, 0}, {11, F::Byte, 0},
    {80, F::Byte, 0},   {81, F::Ipv4, 0},   {82, F::Text, 128}, {83, F::Text, 128},
    {84, F::Text, 128}, {85, F::Text, 128}, {86, F::Text, 128}, {87, F::Text, 128},
};

std::uint8_t Digits(ConfigForm form) {
  switch (form) {
    case F::Byte: return 2;
    case F::Word: return 4;
    default: return 8;
  }
}

bool GetHex(const ConfigItemList& list, std::uint8_t tag, std::size_t digits,
            std::uint32_t& value) {
  const ConfigItem* item = FindConfigItem(list, tag);
  return item != nullptr && item->present && static_cast<std::size_t>(item->length) == digits &&
         ReadHex(item->value, digits, value);
}

bool SetHex(ConfigItemList& list, std::uint8_t tag, std::size_t digits, std::uint32_t value) {
  const ConfigItem* item = FindConfigItem(list, tag);
  if (item == nullptr || item->form == F::Text || Digits(item->form) != digits) return false;
  char text[8];
  WriteHex(value, digits, text);
  return SetConfigValue(list, tag, text, digits);
}

}  // namespace

ConfigItemList::ConfigItemList() { ResetConfigItems(*this); }

void ResetConfigItems(ConfigItemList& list) {
  for (std::size_t i = 0; i < kConfigItemCount; ++i) {
    ConfigItem& item = list.items[i];
    const ConfigItemForm& entry = kConfigItemForms[i];
    item.tag = entry.tag;
    item.form = entry.form;
    item.minLength = entry.form == F::Text ? 0 : Digits(entry.form);
    item.maxLength = entry.form == F::Text ? entry.maxText : Digits(entry.form);
    item.present = false;
    item.length = -1;
    std::memset(item.value, 0, sizeof item.value);
  }
}

ConfigItem* FindConfigItem(ConfigItemList& list, std::uint8_t tag) {
  for (ConfigItem& item : list.items) {
    if (item.tag == tag) return &item;
  }
  return nullptr;
}

const ConfigItem* FindConfigItem(const ConfigItemList& list, std::uint8_t tag) {
  return FindConfigItem(const_cast<ConfigItemList&>(list), tag);
}

void EncodeConfigItems(const ConfigItemList& list, std::vector<std::uint8_t>& out) {
  std::size_t length = 0;
  for (const ConfigItem& item : list.items) {
    if (item.present) length += static_cast<std::size_t>(item.length) + 2;
  }
  out.push_back(static_cast<std::uint8_t>(length >> 8));
  out.push_back(static_cast<std::uint8_t>(length));
  for (const ConfigItem& item : list.items) {
    if (!item.present) continue;
    out.push_back(item.tag);
    out.insert(out.end(), item.value, item.value + item.length);
    out.push_back(';');
  }
}

void DecodeConfigItems(std::span<const std::uint8_t> payload, ConfigItemList& list) {
  ResetConfigItems(list);
  if (payload.size() < 2) return;
  std::size_t declared = (std::size_t{payload[0]} << 8) | payload[1];
  const auto items = payload.subspan(2, std::min(declared, payload.size() - 2));
  std::size_t p = 0;
  while (p < items.size()) {
    const std::uint8_t tag = items[p++];
    const std::size_t start = p;
    while (p < items.size() && items[p] != ';') ++p;
    const std::size_t length = p - start;
    if (p < items.size()) ++p;
    ConfigItem* item = FindConfigItem(list, tag);
    if (item == nullptr || length < item->minLength || length > item->maxLength) continue;
    std::memcpy(item->value, items.data() + start, length);
    item->length = static_cast<int>(length);
    item->present = true;
  }
}

bool SetConfigValue(ConfigItemList& list, std::uint8_t tag, const char* text, std::size_t length) {
  ConfigItem* item = FindConfigItem(list, tag);
  if (item == nullptr || text == nullptr || length < item->minLength) return false;
  if (length > item->maxLength) length = item->maxLength;
  if (std::memchr(text, ';', length) != nullptr) return false;
  std::memset(item->value, 0, sizeof item->value);
  std::memcpy(item->value, text, length);
  item->length = static_cast<int>(length);
  item->present = true;
  return true;
}

bool GetConfigByte(const ConfigItemList& list, std::uint8_t tag, std::uint8_t& value) {
  std::uint32_t v = 0;
  if (!GetHex(list, tag, 2, v)) return false;
  value = static_cast<std::uint8_t>(v);
  return true;
}

bool SetConfigByte(ConfigItemList& list, std::uint8_t tag, std::uint8_t value) {
  return SetHex(list, tag, 2, value);
}

bool GetConfigWord(const ConfigItemList& list, std::uint8_t tag, std::uint16_t& value) {
  std::uint32_t v = 0;
  if (!GetHex(list, tag, 4, v)) return false;
  value = static_cast<std::uint16_t>(v);
  return true;
}

bool SetConfigWord(ConfigItemList& list, std::uint8_t tag, std::uint16_t value) {
  return SetHex(list, tag, 4, value);
}

bool GetConfigDword(const ConfigItemList& list, std::uint8_t tag, std::uint32_t& value) {
  return GetHex(list, tag, 8, value);
}

bool SetConfigDword(ConfigItemList& list, std::uint8_t tag, std::uint32_t value) {
  return SetHex(list, tag, 8, value);
}

bool GetConfigIp(const ConfigItemList& list, std::uint8_t tag, char* text, std::size_t size) {
  std::uint32_t v = 0;
  if (!GetHex(list, tag, 8, v)) return false;
  const Ipv4 ip = {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                   static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  char formatted[kIpTextSize];
  FormatIp(ip, formatted);
  CopyBoundedText(text, size, formatted);
  return true;
}

bool SetConfigIp(ConfigItemList& list, std::uint8_t tag, const char* text) {
  Ipv4 ip{};
  if (!ParseDottedIp(text, ip)) return false;
  const std::uint32_t v = (std::uint32_t{ip[0]} << 24) | (std::uint32_t{ip[1]} << 16) |
                          (std::uint32_t{ip[2]} << 8) | ip[3];
  return SetHex(list, tag, 8, v);
}

bool GetConfigText(const ConfigItemList& list, std::uint8_t tag, char* text, std::size_t size) {
  const ConfigItem* item = FindConfigItem(list, tag);
  if (item == nullptr || !item->present) return false;
  CopyBoundedText(text, size, item->value, static_cast<std::size_t>(item->length));
  return true;
}

bool SetConfigText(ConfigItemList& list, std::uint8_t tag, const char* text) {
  const ConfigItem* item = FindConfigItem(list, tag);
  if (item == nullptr || item->form != F::Text || text == nullptr) return false;
  return SetConfigValue(list, tag, text, std::strlen(text));
}

}  // namespace nic
