#include "agent/maintsvc/error_text.h"

#include <algorithm>
#include <cstdio>

namespace maintsvc {
namespace {

// The console messages format the text into a buffer of this size, and
// keep 14 characters of it for the number.
constexpr std::size_t kBufferSize = 256;
constexpr std::size_t kNumberRoom = 14;
constexpr std::size_t kLineEnd = 2;

}  // namespace

std::string FormatErrorText(std::string_view systemText, DWORD error) {
  if (systemText.empty() || systemText.size() + kNumberRoom > kBufferSize) return {};
  const std::string text(systemText.substr(0, systemText.size() - std::min(kLineEnd, systemText.size())));
  char formatted[kBufferSize];
  std::snprintf(formatted, sizeof formatted, "%s (0x%x)", text.c_str(), static_cast<unsigned>(error));
  return formatted;
}

std::string LastErrorText() {
  const DWORD error = GetLastError();
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, LANG_NEUTRAL, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = FormatErrorText(std::string_view(text != nullptr ? text : "", length), error);
  LocalFree(text);
  return result;
}

}  // namespace maintsvc
