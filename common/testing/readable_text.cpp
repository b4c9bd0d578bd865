#include "common/testing/readable_text.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#if !defined(_WIN32) && __has_include(<iconv.h>)
#include <iconv.h>
#define SUITE_TEST_HAVE_ICONV 1
#else
#define SUITE_TEST_HAVE_ICONV 0
#endif

namespace testkit {

std::string Readable(const char* text, std::size_t capacity) {
  const std::string_view sjis(text, strnlen(text, capacity));
  std::string shown;
#if SUITE_TEST_HAVE_ICONV
  if (iconv_t cd = iconv_open("UTF-8", "CP932"); cd != reinterpret_cast<iconv_t>(-1)) {
    std::string utf8(sjis.size() * 3, '\0');
    char* in = const_cast<char*>(sjis.data());
    std::size_t inLeft = sjis.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    const bool converted = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (converted) {
      utf8.resize(utf8.size() - outLeft);
      for (char c : utf8) shown += c == '\n' ? std::string("\\n") : std::string(1, c);
      return shown;
    }
  }
#endif
  for (char c : sjis) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\n') {
      shown += "\\n";
    } else if (byte < 0x20 || byte >= 0x7F || byte == '\\') {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      shown += hex;
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace testkit
