#pragma once
// The checks of the NIC setting pages' text fields: which characters a field
// takes and how long it may be, the numbers of the spin fields, the mail
// notice's body and sender. A check answers the message to show (Shift_JIS,
// its placeholders filled), or "" when the value passes.

#include <string>
#include <string_view>

namespace nic {

enum class TextClass {
  NicName,          // printer and print server names: digits, A-Z, '-', '_'
  NdsContext,       // also '=' and '.'
  AppleTalkName,    // letters, digits, '-', '_', ' '
  EtherTalkZone,    // letters, digits, '-', '_', '*'
  Community,        // letters, digits, '-', '_'
  MailAddress,      // letters, digits, '-', '_', '@', '.'
};

struct TextRule {
  TextClass kind;
  std::size_t limit;  // characters
  const char* typed;     // message for a character typed that the field does not take
  const char* existing;  // for a value read from the NIC that holds one (nullptr: none)
};
const TextRule& RuleOf(TextClass kind);

bool Takes(TextClass kind, char c);

// While typing: the message for the first character the field does not take,
// naming the field by `label`.
std::string CheckTyped(TextClass kind, std::string_view text, const char* label);
// A value as read from the NIC, when the page opens.
std::string CheckExisting(TextClass kind, std::string_view text, const char* label);

// Spin fields: while typing only a number with more digits than the range's
// maximum is refused; on leaving also one outside the range or none at all.
// How many digits a spin field's maximum has: a typed number may have as
// many.
int DecimalDigits(int value);
std::string CheckNumberTyped(std::string_view text, int minimum, int maximum);
std::string CheckNumberLeaving(std::string_view text, int minimum, int maximum);

// The mail notice's body: at most three lines of at most 80 characters, each
// character from ' ' to '~' except ';'. Lines end with CR LF.
std::string CheckMailBody(std::string_view body);
// The body sent when none is typed.
std::string DefaultMailBody(std::string_view printerName, std::string_view ip);
// A sender address holds exactly one '@', neither first nor last.
bool IsSenderAddress(std::string_view from);

// The access period travels in tenths of a second in steps of 5 s: a value
// read from the NIC is rounded up to the next step (at most 250).
int RoundAccessPeriod(int tenths);

}  // namespace nic
