#include "nicconf/sheets/core/field_check.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace nic {
namespace {

constexpr TextRule kRules[] = {
    {TextClass::NicName, 47,
     "%sとして無効です。 数字、英大文字、「-」（ハイフン）及び「_」（アンダーバー）のみ設定可能です。",
     "%sに、数字、英大文字、「-」（ハイフン）、「_」（アンダーバー）以外の文字が含まれていました。\n"
     "適切な値に変更してください。(%s)"},
    {TextClass::NdsContext, 254,
     "%sとして無効です。 数字、英大文字、「-」（ハイフン）、「_」（アンダーバー）、「=」（イコール）及び「.」（ピリオド）のみ設定可能です。",
     "%sに、数字、英大文字、「-」（ハイフン）、「_」（アンダーバー）、「=」（イコール）、「.」（ピリオド）以外の文字が含まれていました。\n"
     "適切な値に変更してください。(%s)"},
    {TextClass::AppleTalkName, 29,
     "%sとして無効な文字です。英数字、「-」（ハイフン）、「_」（アンダーバー）及び「 」（スペース）のみ設定可能です。",
     "%sに、英数字、「-」（ハイフン）、「_」（アンダーバー）、「 」（スペース）以外の文字が含まれていました。\n"
     "適切な値に変更してください。(%s)"},
    {TextClass::EtherTalkZone, 31,
     "%sとして無効な文字です。英数字、「-」（ハイフン）、「_」（アンダーバー）及び「*」（アスタリスク）のみ設定可能です。",
     "%sに、英数字、「-」（ハイフン）、「_」（アンダーバー）、「*」（アスタリスク）以外の文字が含まれていました。\n"
     "適切な値に変更してください。(%s)"},
    {TextClass::Community, 32,
     "%sとして無効な文字です。英数字、「-」（ハイフン）及び「_」（アンダーバー）のみ設定可能です。",
     "%sに、英数字、「-」（ハイフン）、「_」（アンダーバー）以外の文字が含まれていました。\n"
     "適切な値に変更してください。(%s)"},
    {TextClass::MailAddress, 64,
     "%sとして無効な文字です。\n 英数字、「-」（ハイフン）、「_」（アンダーバー）、\n「.」(ピリオド)及び「@」(アットマーク)のみ設定可能です。",
     nullptr},
};

bool IsUpperOrDigit(unsigned char c) { return std::isdigit(c) || (c >= 'A' && c <= 'Z'); }
bool IsAlnum(unsigned char c) { return std::isdigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Format(const char* format, const char* first, std::string_view second = {}) {
  const std::string value(second);
  char text[1024];
  std::snprintf(text, sizeof text, format, first, value.c_str());
  return text;
}

std::string FormatRange(const char* format, int minimum, int maximum) {
  char text[256];
  std::snprintf(text, sizeof text, format, minimum, maximum);
  return text;
}


bool AllDigits(std::string_view text) {
  for (unsigned char c : text)
    if (!std::isdigit(c)) return false;
  return true;
}

}  // namespace

const TextRule& RuleOf(TextClass kind) { return kRules[static_cast<int>(kind)]; }

bool Takes(TextClass kind, char ch) {
  const unsigned char c = static_cast<unsigned char>(ch);
  switch (kind) {
    case TextClass::NicName: return IsUpperOrDigit(c) || c == '-' || c == '_';
    case TextClass::NdsContext: return IsUpperOrDigit(c) || c == '-' || c == '_' || c == '=' || c == '.';
    case TextClass::AppleTalkName: return IsAlnum(c) || c == '-' || c == '_' || c == ' ';
    case TextClass::EtherTalkZone: return IsAlnum(c) || c == '-' || c == '_' || c == '*';
    case TextClass::Community: return IsAlnum(c) || c == '-' || c == '_';
    case TextClass::MailAddress: return IsAlnum(c) || c == '-' || c == '_' || c == '@' || c == '.';
  }
  return false;
}

std::string CheckTyped(TextClass kind, std::string_view text, const char* label) {
  for (char c : text)
    if (!Takes(kind, c)) return Format(RuleOf(kind).typed, label);
  return "";
}

std::string CheckExisting(TextClass kind, std::string_view text, const char* label) {
  const TextRule& rule = RuleOf(kind);
  for (char c : text)
    if (!Takes(kind, c)) return Format(rule.existing != nullptr ? rule.existing : rule.typed, label, text);
  return "";
}

int DecimalDigits(int value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

std::string CheckNumberTyped(std::string_view text, int minimum, int maximum) {
  if (static_cast<int>(text.size()) <= DecimalDigits(maximum)) return "";
  return CheckNumberLeaving(text, minimum, maximum);
}

std::string CheckNumberLeaving(std::string_view text, int minimum, int maximum) {
  if (text.empty()) return FormatRange("値が設定されていません。 %d から %d の間の値を指定してください。", minimum, maximum);
  const std::string value(text);
  const bool number = AllDigits(text) && text.size() <= 9;
  const long parsed = number ? std::strtol(value.c_str(), nullptr, 10) : -1;
  if (number && parsed >= minimum && parsed <= maximum) return "";
  char message[512];
  std::snprintf(message, sizeof message, "%s は無効な値です。 %d から %d の間の値を指定してください。",
                value.c_str(), minimum, maximum);
  return message;
}

std::string CheckMailBody(std::string_view body) {
  int lines = 0;
  for (std::size_t start = 0; start <= body.size();) {
    std::size_t end = body.find("\r\n", start);
    if (end == std::string_view::npos) end = body.size();
    if (++lines > 3 || end - start > 80) return "メール本文の書式が無効です。\n80文字 × 3行以内で入力してください。";
    for (std::size_t i = start; i < end; ++i) {
      const unsigned char c = static_cast<unsigned char>(body[i]);
      if (c < ' ' || c > '~' || c == ';') {
        std::string allowed;
        for (int a = ' '; a <= '~'; ++a) {
          if (a == ';') continue;
          char one[4];
          std::snprintf(one, sizeof one, "%c ", a);
          allowed += one;
        }
        return "メール本文として無効な文字が入力されました。\n使用できる文字は、以下のとおりです。\n\n" + allowed;
      }
    }
    if (end == body.size()) break;
    start = end + 2;
  }
  return "";
}

std::string DefaultMailBody(std::string_view printerName, std::string_view ip) {
  return "Printer Name : " + std::string(printerName) + " [" + std::string(ip) +
         "]\r\nThis printer is low on toner.\r\nYou may install new toner cartridge.";
}

bool IsSenderAddress(std::string_view from) {
  const std::size_t at = from.find('@');
  return at != std::string_view::npos && at != 0 && at + 1 != from.size() &&
         from.find('@', at + 1) == std::string_view::npos;
}

int RoundAccessPeriod(int tenths) {
  if (tenths <= 0) return 0;
  if (tenths > 200) return 250;
  return (tenths + 49) / 50 * 50;
}

}  // namespace nic
