#pragma once
// The mail settings sheet without Windows: its two pages' fields with the
// value each is stored under, the room it is read with and its limit, and
// the checks a page makes before it is left or saved.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace maintui {

inline constexpr char kDefaultSubject[] = "[PD Report]";

struct MailField {
  const char* value;   // under the mail settings key
  std::size_t room;    // read with this many bytes; the field takes one less
  std::size_t limit;   // single-byte characters (a double-byte one counts two)
  bool required;
  const char* label;   // as the length message names it
  int helpId;          // the field's and its label's topic
  const char* missing = nullptr;  // shown when the value is missing
};

// "メール送信情報": name, address, server, subject, default To and Cc.
std::span<const MailField> SenderFields();
// "ユーザ情報": company, department, address, telephone.
std::span<const MailField> UserFields();

// The warnings a page shows, in order. Each failing field records its kind
// over the one before; when the last one recorded is a missing required
// value, the closing message says the sender data is incomplete.
struct MailCheck {
  std::vector<std::string> warnings;
  bool passed() const { return warnings.empty(); }
};
MailCheck CheckMailPage(std::span<const MailField> fields, std::span<const std::string> values);

}  // namespace maintui
