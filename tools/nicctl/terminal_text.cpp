#include "tools/nicctl/terminal_text.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include "common/win/text_conversion.h"
#else
#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#endif

namespace {

constexpr unsigned kShiftJisCodePage = 932;

#ifdef _WIN32
std::string Convert(const std::string& text, UINT to) {
  if (text.empty() || to == kShiftJisCodePage) return text;
  return CodePageFromWide(to, WideFromCodePage(kShiftJisCodePage, text));
}

// The C runtime hands main its arguments in the ANSI code page, whatever
// the console's input code page says.
bool ConvertStrictly(const std::string& text, std::string& out) {
  const UINT from = GetACP();
  if (text.empty() || from == kShiftJisCodePage) return out = text, true;
  const std::wstring w = WideFromCodePage(from, text, MB_ERR_INVALID_CHARS);
  if (w.empty()) return false;
  bool lossy = false;
  out = CodePageFromWide(kShiftJisCodePage, w, &lossy);
  return !lossy && !out.empty();
}
#else
const char* TerminalEncoding() {
  static const char* encoding = [] {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    // The C locale names plain ASCII; terminals of this decade read UTF-8.
    if (codeset == nullptr || std::strcmp(codeset, "ANSI_X3.4-1968") == 0) return "UTF-8";
    return codeset;
  }();
  return encoding;
}

std::string Convert(const std::string& text, const char* to) {
  iconv_t cd = iconv_open(to, "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* o = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out.append(buffer, static_cast<std::size_t>(o - buffer));
      out += '?';
      ++in;
      --inLeft;
      continue;
    }
    out.append(buffer, static_cast<std::size_t>(o - buffer));
  }
  iconv_close(cd);
  return out;
}

bool ConvertStrictly(const std::string& text, std::string& out) {
  iconv_t cd = iconv_open("CP932", TerminalEncoding());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out.clear();
  char buffer[256];
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  bool ok = true;
  while (ok && inLeft > 0) {
    char* o = buffer;
    std::size_t outLeft = sizeof buffer;
    ok = iconv(cd, &in, &inLeft, &o, &outLeft) != static_cast<std::size_t>(-1) || errno == E2BIG;
    out.append(buffer, static_cast<std::size_t>(o - buffer));
  }
  iconv_close(cd);
  return ok;
}
#endif

}  // namespace

std::string ForTerminal(const std::string& shiftJis) {
#ifdef _WIN32
  return Convert(shiftJis, GetConsoleOutputCP());
#else
  return Convert(shiftJis, TerminalEncoding());
#endif
}

bool FromTerminal(const std::string& typed, std::string& shiftJis) {
  return ConvertStrictly(typed, shiftJis);
}

namespace {

void PrintMessage(void*, nic::MessageIcon, int titleId, int textId) {
  const std::string text = std::string(nic::MessageText(titleId)) + ": " + nic::MessageText(textId);
  std::fprintf(stderr, "nicctl: %s\n", ForTerminal(text).c_str());
}

}  // namespace

nic::MessageCalls TerminalMessages() { return {nullptr, PrintMessage}; }
