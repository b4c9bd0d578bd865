#pragma once
// Configuration item and attribute values as people write them: in the
// configuration file's item.N and attr.N keys, and in the "wrote" event that
// tells which values a write carried. One form serves both, so a test can
// set a value and look for it in the event with the same text:
//   numbers (byte, 16- and 32-bit items, byte attributes)  decimal: 64
//   addresses (address items and attributes)              dotted: 127.0.0.1
//   texts (text items, text attributes, the password)      quoted: "ADMIN"
//   other attributes                                      hex bytes: 0x0102
// On input numbers may also be given as 0x hex, and a text item's quotes may
// be left out (the text is then taken as it stands, spaces inside kept).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nicproto/attribute_record.h"
#include "nicproto/config_items.h"

namespace nicsim {

// The item's value text as it travels (hex digits for numbers); false when
// the tag is no item or the text does not fit the item's kind or length.
bool ParseItemValue(std::uint8_t tag, const std::string& text, std::string& wire);

// The attribute's value bytes (a text with its zero byte, a password
// scrambled); false when the tag is no attribute or the value does not fit.
bool ParseAttributeValue(std::uint8_t tag, const std::string& text,
                         std::vector<std::uint8_t>& bytes);

// "item 4=64", "attr 7=\"NEWNAME\"": a present value in the forms above.
// Quoted texts escape '"' and '\' with a backslash and any byte outside
// ' '..'~' as \xNN, so a word never holds a bare quote or a line break.
std::string DescribeItem(const nic::ConfigItem& item);
std::string DescribeAttribute(const nic::AttributeRecord& record, const nic::Attribute& attribute);
std::string QuoteText(std::string_view text);

}  // namespace nicsim
