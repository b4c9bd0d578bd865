#include "portmon/shell/text_conversion.h"

#include <winsock2.h>
#include <windows.h>

namespace portmon {

std::string ToAnsi(const std::wstring& text, std::size_t limit) {
  if (text.empty()) return {};
  const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  if (needed <= 0 || static_cast<std::size_t>(needed) > limit) return {};
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), needed,
                      nullptr, nullptr);
  return ansi;
}

std::wstring FromAnsi(const std::string& text) {
  if (text.empty()) return {};
  const int needed =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), needed);
  return wide;
}

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
