#pragma once
// What the folder's three edit fields accept and when their content is
// valid: "IPAddress" (four parts of up to three digits), "MACAddress" (six
// parts of two hex digits) and "Number" (one part: decimal within a range,
// or without a range eight hex digits).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nic {

enum class FieldKind { IpAddress, MacAddress, Number };

struct FieldShape {
  int parts;
  int partLimit;    // characters per part
  char separator;   // '\0' for none
  const char* className;
};
const FieldShape& ShapeOf(FieldKind kind);

// A part's accepted range, minimum in the low 16 bits and maximum in the
// high 16 bits, as the range property holds it; 0 for none.
using FieldRange = std::uint32_t;
constexpr FieldRange MakeFieldRange(int minimum, int maximum) {
  return static_cast<std::uint32_t>(minimum & 0xFFFF) | (static_cast<std::uint32_t>(maximum) << 16);
}
inline int RangeMinimum(FieldRange range) { return static_cast<int>(range & 0xFFFF); }
inline int RangeMaximum(FieldRange range) { return static_cast<int>(range >> 16); }
inline constexpr FieldRange kOctetRange = MakeFieldRange(0, 255);

// Whether a typed character may enter a part (backspace is always let
// through; the separator moves on instead of being inserted).
bool AcceptsCharacter(FieldKind kind, char c, bool hasRange);
bool IsSeparatorKey(FieldKind kind, char c);

// The message numbers of a failed validation.
inline constexpr int kMessageValueOutOfRange = 5200;  // "無効な値があります。 %d から %d …"
inline constexpr int kMessageBadMacAddress = 5102;    // "予期せぬエラー(102)"
inline constexpr int kMessageBadHexNumber = 5170;     // "予期せぬエラー(170)"

struct FieldVerdict {
  bool valid = true;
  int badPart = -1;
  int messageId = 0;
  int minimum = 0;  // the range the message names
  int maximum = 0;
};

// `parts` and `ranges` hold one entry per part of the kind.
FieldVerdict ValidateField(FieldKind kind, std::span<const std::string> parts,
                           std::span<const FieldRange> ranges);

// The control's text of its parts ("%s.%s.%s.%s"), "" when all are empty;
// and a text cut at the separators into parts (missing parts empty, each cut
// to its limit).
std::string JoinFieldParts(FieldKind kind, std::span<const std::string> parts);
std::vector<std::string> SplitFieldText(FieldKind kind, const std::string& text);

}  // namespace nic
