#include "portmon/shell/text_conversion.h"

#include <winsock2.h>
#include <windows.h>

#include "common/win/text_conversion.h"

namespace portmon {

std::string ToAnsi(const std::wstring& text, std::size_t limit) {
  return AnsiFromWide(text, limit).value_or("");
}

std::wstring FromAnsi(const std::string& text) { return WideFromAnsi(text); }

// inet_addr's reading: a.b.c.d with octal and hexadecimal parts allowed.
// All ones is also what it answers for text that is no address, so the
// broadcast address never names a port.
unsigned long DottedAddress(const std::wstring& name) {
  const std::string ansi = ToAnsi(name);
  if (ansi.empty()) return 0;
  const unsigned long address = inet_addr(ansi.c_str());
  return address == INADDR_NONE ? 0 : address;
}

}  // namespace portmon
