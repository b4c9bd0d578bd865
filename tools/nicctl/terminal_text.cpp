#include "tools/nicctl/terminal_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#endif

namespace {

#ifdef _WIN32
std::string Convert(const std::string& text, UINT to) {
  if (text.empty() || to == 932) return text;
  const int wide = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
  const int n = WideCharToMultiByte(to, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(to, 0, w.data(), wide, out.data(), n, nullptr, nullptr);
  return out;
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
#endif

}  // namespace

std::string ForTerminal(const std::string& shiftJis) {
#ifdef _WIN32
  return Convert(shiftJis, GetConsoleOutputCP());
#else
  return Convert(shiftJis, TerminalEncoding());
#endif
}
