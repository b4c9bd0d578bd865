#pragma once
// Text between the ANSI code page (Shift_JIS on the Japanese systems the
// suite serves) and UTF-16, or any other code page the Windows side names.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Bytes that are no character of the code page become the system's
// replacement character.
std::wstring WideFromAnsi(std::string_view text);
// Nothing when the text holds bytes that are no character of the code page.
std::optional<std::wstring> StrictWideFromAnsi(std::string_view text);

// Characters the code page lacks become its default character.
std::string AnsiFromWide(std::wstring_view text);
// Nothing when the converted text would be longer than `limit` bytes.
std::optional<std::string> AnsiFromWide(std::wstring_view text, std::size_t limit);

// The same for a code page of the caller's choice. `flags` go to
// MultiByteToWideChar; `lossy` (may be null) tells whether a character had
// no counterpart and was replaced.
std::wstring WideFromCodePage(UINT codePage, std::string_view text, DWORD flags = 0);
std::string CodePageFromWide(UINT codePage, std::wstring_view text, bool* lossy = nullptr);
