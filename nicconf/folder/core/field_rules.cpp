#include "nicconf/folder/core/field_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace nic {
namespace {

constexpr FieldShape kShapes[] = {
    {4, 3, '.', "IPAddress"},
    {6, 2, ':', "MACAddress"},
    {1, 8, '\0', "Number"},
};

bool AllOf(const std::string& text, int (*test)(int)) {
  for (unsigned char c : text)
    if (!test(c)) return false;
  return true;
}

FieldVerdict Bad(int part, int messageId, FieldRange range = 0) {
  return {false, part, messageId, RangeMinimum(range), RangeMaximum(range)};
}

bool InRange(const std::string& part, FieldRange range) {
  if (part.empty() || !AllOf(part, isdigit)) return false;
  const long value = std::strtol(part.c_str(), nullptr, 10);
  return value >= RangeMinimum(range) && value <= RangeMaximum(range);
}

// "008" is 8 to the user, but octal to inet_addr and another address to
// every comparison of address texts.
std::string WithoutLeadingZeros(const std::string& part) {
  if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) return part;
  const std::size_t first = std::min(part.find_first_not_of('0'), part.size() - 1);
  return part.substr(first);
}

}  // namespace

const FieldShape& ShapeOf(FieldKind kind) { return kShapes[static_cast<int>(kind)]; }

bool AcceptsCharacter(FieldKind kind, char c, bool hasRange) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (c == '\b') return true;
  switch (kind) {
    case FieldKind::IpAddress: return std::isdigit(u) || c == '.';
    case FieldKind::MacAddress: return std::isxdigit(u) || c == ':';
    case FieldKind::Number: return std::isdigit(u) || (!hasRange && std::isxdigit(u));
  }
  return false;
}

bool IsSeparatorKey(FieldKind kind, char c) {
  return ShapeOf(kind).separator != '\0' && c == ShapeOf(kind).separator;
}

FieldVerdict ValidateField(FieldKind kind, std::span<const std::string> parts,
                           std::span<const FieldRange> ranges) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    const FieldRange range = i < ranges.size() ? ranges[i] : 0;
    switch (kind) {
      case FieldKind::IpAddress:
        if (!InRange(part, range)) return Bad(static_cast<int>(i), kMessageValueOutOfRange, range);
        break;
      case FieldKind::MacAddress:
        if (part.size() != 2 || !AllOf(part, isxdigit))
          return Bad(static_cast<int>(i), kMessageBadMacAddress);
        break;
      case FieldKind::Number:
        if (range != 0 && !InRange(part, range))
          return Bad(static_cast<int>(i), kMessageValueOutOfRange, range);
        if (range == 0 && (part.size() != 8 || !AllOf(part, isxdigit)))
          return Bad(static_cast<int>(i), kMessageBadHexNumber);
        break;
    }
  }
  return {};
}

std::string JoinFieldParts(FieldKind kind, std::span<const std::string> parts) {
  bool allEmpty = true;
  for (const std::string& part : parts) allEmpty = allEmpty && part.empty();
  if (allEmpty) return "";
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text.push_back(ShapeOf(kind).separator);
    text += kind == FieldKind::IpAddress ? WithoutLeadingZeros(parts[i]) : parts[i];
  }
  return text;
}

std::vector<std::string> SplitFieldText(FieldKind kind, const std::string& text) {
  const FieldShape& shape = ShapeOf(kind);
  std::vector<std::string> parts(shape.parts);
  std::size_t part = 0;
  for (char c : text) {
    if (shape.separator != '\0' && c == shape.separator) {
      if (++part == parts.size()) break;
    } else if (static_cast<int>(parts[part].size()) < shape.partLimit) {
      parts[part].push_back(c);
    }
  }
  return parts;
}

}  // namespace nic
