#include "nicproto/attribute_record.h"

#include <cstring>

#include "common/bounded_text.h"
#include "common/ipv4_text.h"
#include "nicproto/mac_text.h"
#include "nicproto/password.h"

namespace nic {
namespace {

struct AttributeBounds {
  std::uint8_t tag;
  std::uint8_t minLength;
  std::uint8_t maxLength;
  AttributeForm form;
};

using F = AttributeForm;
constexpr AttributeBounds kAttributeBounds[kAttributeCount] = {
    {0, 1, 1, F::Byte},     {1, 4, 4, F::Ipv4},     {2, 1, 64, F::Bytes},  {3, 1, 64, F::Bytes},
    {4, 1, 64, F::Bytes},   {5, 1, 1, F::Byte},     {6, 1, 48, F::Text},   {7, 1, 48, F::Text},
    {8, 1, 1, F::Byte},     {9, 1, 1, F::Byte},     {10, 1, 1, F::Byte},   {11, 1, 1, F::Byte},
    {12, 1, 1, F::Byte},    {13, 1, 64, F::Bytes},  {14, 1, 1, F::Byte},   {15, 1, 30, F::Text},
    {16, 1, 32, F::Text},   {17, 1, 32, F::Text},   {18, 1, 32, F::Text},  {19, 1, 32, F::Text},
    {20, 1, 32, F::Text},   {21, 1, 48, F::Text},   {22, 1, 64, F::Bytes}, {23, 33, 33, F::Password},
    {24, 1, 1, F::Byte},    {25, 1, 1, F::Byte},    {26, 1, 39, F::Text},  {27, 1, 39, F::Text},
    {28, 1, 1, F::Byte},    {29, 4, 4, F::Ipv4},    {30, 1, 64, F::Bytes}, {31, 6, 6, F::Bytes},
    {32, 1, 1, F::Byte},    {33, 2, 2, F::Bytes},   {34, 1, 64, F::Bytes}, {128, 1, 64, F::Text},
    {241, 2, 2, F::Bytes},  {242, 2, 2, F::Bytes},  {243, 2, 2, F::Bytes}, {244, 1, 40, F::Bytes},
    {245, 1, 64, F::Text},  {246, 1, 64, F::Text},  {247, 3, 3, F::Bytes}, {248, 3, 3, F::Bytes},
    {249, 1, 1, F::Byte},   {250, 1, 64, F::Text},  {251, 5, 5, F::Bytes}, {252, 1, 1, F::Byte},
    {253, 1, 1, F::Byte},   {254, 1, 1, F::Byte},   {255, 1, 1, F::Byte},
};

}  // namespace

AttributeRecord::AttributeRecord() { ResetAttributes(*this); }

void ResetAttributes(AttributeRecord& record) {
  for (std::size_t i = 0; i < kAttributeCount; ++i) {
    Attribute& a = record.items[i];
    a.tag = kAttributeBounds[i].tag;
    a.minLength = kAttributeBounds[i].minLength;
    a.maxLength = kAttributeBounds[i].maxLength;
    a.form = kAttributeBounds[i].form;
    a.present = false;
    a.length = -1;
    std::memset(a.value, 0, sizeof a.value);
  }
}

Attribute* FindAttribute(AttributeRecord& record, std::uint8_t tag) {
  for (Attribute& a : record.items) {
    if (a.tag == tag) return &a;
  }
  return nullptr;
}

const Attribute* FindAttribute(const AttributeRecord& record, std::uint8_t tag) {
  return FindAttribute(const_cast<AttributeRecord&>(record), tag);
}

bool GetAttribute(const AttributeRecord& record, std::uint8_t tag, std::uint8_t* out,
                  std::size_t capacity, std::size_t& length) {
  const Attribute* a = FindAttribute(record, tag);
  if (a == nullptr || !a->present || static_cast<std::size_t>(a->length) > capacity) return false;
  std::memcpy(out, a->value, static_cast<std::size_t>(a->length));
  length = static_cast<std::size_t>(a->length);
  return true;
}

bool SetAttribute(AttributeRecord& record, std::uint8_t tag, const std::uint8_t* value,
                  std::size_t length) {
  Attribute* a = FindAttribute(record, tag);
  if (a == nullptr || length < a->minLength) return false;
  if (length > a->maxLength) length = a->maxLength;
  std::memset(a->value, 0, sizeof a->value);
  std::memcpy(a->value, value, length);
  a->length = static_cast<int>(length);
  a->present = true;
  return true;
}

bool GetByteAttribute(const AttributeRecord& record, std::uint8_t tag, std::uint8_t& value) {
  std::size_t length = 0;
  std::uint8_t byte = 0;
  if (!GetAttribute(record, tag, &byte, 1, length) || length != 1) return false;
  value = byte;
  return true;
}

bool SetByteAttribute(AttributeRecord& record, std::uint8_t tag, std::uint8_t value) {
  return SetAttribute(record, tag, &value, 1);
}

bool GetIpAttribute(const AttributeRecord& record, std::uint8_t tag, char* text,
                    std::size_t size) {
  Ipv4 ip{};
  std::size_t length = 0;
  if (!GetAttribute(record, tag, ip.data(), ip.size(), length) || length != ip.size()) {
    return false;
  }
  char formatted[kIpTextSize];
  FormatIp(ip, formatted);
  CopyBoundedText(text, size, formatted);
  return true;
}

bool SetIpAttribute(AttributeRecord& record, std::uint8_t tag, const char* text) {
  Ipv4 ip{};
  return ParseDottedIp(text, ip) && SetAttribute(record, tag, ip.data(), ip.size());
}

bool GetTextAttribute(const AttributeRecord& record, std::uint8_t tag, char* text,
                      std::size_t size) {
  const Attribute* a = FindAttribute(record, tag);
  if (a == nullptr || !a->present) return false;
  CopyBoundedText(text, size, reinterpret_cast<const char*>(a->value),
                  static_cast<std::size_t>(a->length));
  return true;
}

bool SetTextAttribute(AttributeRecord& record, std::uint8_t tag, const char* text) {
  const Attribute* a = FindAttribute(record, tag);
  if (a == nullptr || text == nullptr) return false;
  std::uint8_t value[kAttributeValueSize] = {};
  const std::size_t chars = CopyBoundedText(reinterpret_cast<char*>(value), a->maxLength, text);
  return SetAttribute(record, tag, value, chars + 1);
}

bool GetMacText(const AttributeRecord& record, char* text, std::size_t size) {
  Mac mac{};
  std::size_t high = 0;
  std::size_t low = 0;
  if (!GetAttribute(record, tag::kMacHigh, mac.data(), 3, high) ||
      !GetAttribute(record, tag::kMacLow, mac.data() + 3, 3, low) || high != 3 || low != 3) {
    return false;
  }
  char formatted[kMacTextSize];
  FormatMacText(mac, formatted);
  CopyBoundedText(text, size, formatted);
  return true;
}

bool SetMacText(AttributeRecord& record, const char* text) {
  Mac mac{};
  if (!ParseMacText(text, mac)) return false;
  return SetAttribute(record, tag::kMacHigh, mac.data(), 3) &&
         SetAttribute(record, tag::kMacLow, mac.data() + 3, 3);
}

bool GetPassword(const AttributeRecord& record, char* text, std::size_t size) {
  const Attribute* a = FindAttribute(record, tag::kPassword);
  if (a == nullptr || !a->present || a->length != 33) return false;
  std::uint8_t plain[kPasswordLength];
  UnscramblePassword(a->value, plain);
  CopyBoundedText(text, size, reinterpret_cast<const char*>(plain), kPasswordLength);
  return true;
}

bool SetPassword(AttributeRecord& record, const char* text) {
  if (text == nullptr) return false;
  std::uint8_t plain[kPasswordLength] = {};
  std::size_t n = 0;
  while (n < kPasswordLength && text[n] != '\0') {
    plain[n] = static_cast<std::uint8_t>(text[n]);
    ++n;
  }
  std::uint8_t scrambled[kPasswordLength + 1] = {};
  ScramblePassword(plain, scrambled);
  return SetAttribute(record, tag::kPassword, scrambled, sizeof scrambled);
}

}  // namespace nic
