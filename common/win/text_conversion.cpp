#include "common/win/text_conversion.h"

namespace {

std::optional<std::wstring> ToWide(UINT codePage, std::string_view text, DWORD flags) {
  if (text.empty()) return std::wstring();
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), needed);
  return wide;
}

}  // namespace

std::wstring WideFromCodePage(UINT codePage, std::string_view text, DWORD flags) {
  return ToWide(codePage, text, flags).value_or(std::wstring());
}

std::string CodePageFromWide(UINT codePage, std::wstring_view text, bool* lossy) {
  if (lossy != nullptr) *lossy = false;
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  // Code pages such as UTF-8 take no default-character arguments.
  const bool asksLoss = lossy != nullptr && codePage != CP_UTF8 && codePage != CP_UTF7;
  BOOL replaced = FALSE;
  const int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr,
                                         asksLoss ? &replaced : nullptr);
  if (needed <= 0) return {};
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
  if (asksLoss) *lossy = replaced != FALSE;
  return bytes;
}

std::wstring WideFromAnsi(std::string_view text) { return WideFromCodePage(CP_ACP, text); }

std::optional<std::wstring> StrictWideFromAnsi(std::string_view text) {
  return ToWide(CP_ACP, text, MB_ERR_INVALID_CHARS);
}

std::string AnsiFromWide(std::wstring_view text) { return CodePageFromWide(CP_ACP, text); }

std::optional<std::string> AnsiFromWide(std::wstring_view text, std::size_t limit) {
  std::string ansi = AnsiFromWide(text);
  if (ansi.size() > limit || (ansi.empty() && !text.empty())) return std::nullopt;
  return ansi;
}
