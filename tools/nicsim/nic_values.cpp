#include "tools/nicsim/nic_values.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "common/ipv4_text.h"
#include "nicproto/hex_text.h"

namespace nicsim {
namespace {

constexpr std::size_t kPasswordLength = 32;

bool ParseUnsigned(const std::string& text, std::uint32_t maximum, std::uint32_t& out) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* first = text.data() + (hex ? 2 : 0);
  const char* last = text.data() + text.size();
  std::uint64_t value = 0;
  const auto [end, failed] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (failed != std::errc() || end != last || first == last || value > maximum) return false;
  out = static_cast<std::uint32_t>(value);
  return true;
}

bool IsQuoted(const std::string& text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

std::string Unquoted(const std::string& text) { return text.substr(1, text.size() - 2); }

// "0x" and an even number of hex digits, at least one pair.
bool ParseHexBytes(const std::string& text, std::vector<std::uint8_t>& out) {
  if (text.size() < 4 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X') ||
      text.size() % 2 != 0) {
    return false;
  }
  out.clear();
  for (std::size_t i = 2; i < text.size(); i += 2) {
    std::uint32_t value = 0;
    if (!nic::ReadHex(text.data() + i, 2, value)) return false;
    out.push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

std::string HexBytes(const std::uint8_t* bytes, std::size_t length) {
  std::string text = "0x";
  for (std::size_t i = 0; i < length; ++i) {
    char pair[2];
    nic::WriteHex(bytes[i], 2, pair);
    text.append(pair, 2);
  }
  return text;
}

std::uint32_t MaximumOf(nic::ConfigForm form) {
  switch (form) {
    case nic::ConfigForm::Byte: return 0xFF;
    case nic::ConfigForm::Word: return 0xFFFF;
    default: return std::numeric_limits<std::uint32_t>::max();
  }
}

std::size_t DigitsOf(nic::ConfigForm form) {
  switch (form) {
    case nic::ConfigForm::Byte: return 2;
    case nic::ConfigForm::Word: return 4;
    default: return 8;
  }
}

std::vector<std::uint8_t> TextBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

bool ParseAttributeText(std::uint8_t tag, nic::AttributeForm form, const std::string& text,
                        std::vector<std::uint8_t>& bytes) {
  if (form == nic::AttributeForm::Password) {
    // Refused rather than cut, as a text item is.
    if (text.size() > kPasswordLength || text.find('\0') != std::string::npos) return false;
    nic::AttributeRecord scratch;
    nic::SetPassword(scratch, text.c_str());
    const nic::Attribute* scrambled = nic::FindAttribute(scratch, tag);
    bytes.assign(scrambled->value, scrambled->value + scrambled->length);
    return true;
  }
  if (form != nic::AttributeForm::Text) return false;
  bytes = TextBytes(text);
  return true;
}

}  // namespace

bool ParseItemValue(std::uint8_t tag, const std::string& text, std::string& wire) {
  nic::ConfigItemList scratch;
  const nic::ConfigItem* item = nic::FindConfigItem(scratch, tag);
  if (item == nullptr) return false;
  bool set = false;
  switch (item->form) {
    case nic::ConfigForm::Byte:
    case nic::ConfigForm::Word:
    case nic::ConfigForm::Dword: {
      std::uint32_t value = 0;
      if (!ParseUnsigned(text, MaximumOf(item->form), value)) return false;
      char digits[8];
      nic::WriteHex(value, DigitsOf(item->form), digits);
      set = nic::SetConfigValue(scratch, tag, digits, DigitsOf(item->form));
      break;
    }
    case nic::ConfigForm::Ipv4: set = nic::SetConfigIp(scratch, tag, text.c_str()); break;
    case nic::ConfigForm::Text: {
      const std::string value = IsQuoted(text) ? Unquoted(text) : text;
      // Refused rather than cut: the NIC would hold another text than asked.
      if (value.size() > item->maxLength || value.find('\0') != std::string::npos) return false;
      set = nic::SetConfigValue(scratch, tag, value.data(), value.size());
      break;
    }
  }
  if (!set) return false;
  wire.assign(item->value, static_cast<std::size_t>(item->length));
  return true;
}

bool ParseAttributeValue(std::uint8_t tag, const std::string& text,
                         std::vector<std::uint8_t>& bytes) {
  nic::AttributeRecord scratch;
  const nic::Attribute* attribute = nic::FindAttribute(scratch, tag);
  if (attribute == nullptr) return false;
  bool parsed = false;
  if (IsQuoted(text)) {
    parsed = ParseAttributeText(tag, attribute->form, Unquoted(text), bytes);
  } else if (ParseHexBytes(text, bytes)) {
    parsed = true;
  } else if (attribute->form == nic::AttributeForm::Ipv4) {
    Ipv4 ip{};
    parsed = ParseDottedIp(text.c_str(), ip);
    bytes.assign(ip.begin(), ip.end());
  } else if (attribute->form == nic::AttributeForm::Byte) {
    std::uint32_t value = 0;
    parsed = ParseUnsigned(text, 0xFF, value);
    bytes.assign(1, static_cast<std::uint8_t>(value));
  }
  return parsed && bytes.size() >= attribute->minLength && bytes.size() <= attribute->maxLength;
}

std::string QuoteText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < ' ' || byte > '~') {
      char pair[2];
      nic::WriteHex(byte, 2, pair);
      quoted += "\\x";
      quoted.append(pair, 2);
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string DescribeItem(const nic::ConfigItem& item) {
  const std::string head = "item " + std::to_string(item.tag) + "=";
  nic::ConfigItemList one;
  nic::SetConfigValue(one, item.tag, item.value, static_cast<std::size_t>(item.length));
  std::uint32_t value = 0;
  switch (item.form) {
    case nic::ConfigForm::Byte:
    case nic::ConfigForm::Word:
    case nic::ConfigForm::Dword:
      if (static_cast<std::size_t>(item.length) == DigitsOf(item.form) &&
          nic::ReadHex(item.value, DigitsOf(item.form), value)) {
        return head + std::to_string(value);
      }
      break;
    case nic::ConfigForm::Ipv4: {
      char ip[kIpTextSize] = {};
      if (nic::GetConfigIp(one, item.tag, ip, sizeof ip)) return head + ip;
      break;
    }
    case nic::ConfigForm::Text: break;
  }
  // Texts, and numbers that are no well-formed hex, as the text that came.
  return head + QuoteText(std::string_view(item.value, static_cast<std::size_t>(item.length)));
}

std::string DescribeAttribute(const nic::AttributeRecord& record, const nic::Attribute& attribute) {
  const std::string head = "attr " + std::to_string(attribute.tag) + "=";
  const auto length = static_cast<std::size_t>(attribute.length);
  char text[nic::kAttributeValueSize + 1] = {};
  switch (attribute.form) {
    case nic::AttributeForm::Byte: return head + std::to_string(attribute.value[0]);
    case nic::AttributeForm::Ipv4:
      if (nic::GetIpAttribute(record, attribute.tag, text, sizeof text)) return head + text;
      break;
    case nic::AttributeForm::Text:
      nic::GetTextAttribute(record, attribute.tag, text, sizeof text);
      return head + QuoteText(text);
    case nic::AttributeForm::Password:
      if (nic::GetPassword(record, text, sizeof text)) return head + QuoteText(text);
      break;
    case nic::AttributeForm::Bytes: break;
  }
  return head + HexBytes(attribute.value, length);
}

}  // namespace nicsim
