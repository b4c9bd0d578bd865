#pragma once
// An open registry key, closed with the owner, and the bounded reads and the
// writes the suite makes through it. Paths and value names come in the ANSI
// code page or in UTF-16; every read is bounded by what the caller says it
// can take, so a value longer than its field never reaches a fixed buffer.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/win/owner.h"

struct RegistryKeyKind {
  using Handle = HKEY;
  static Handle Empty() noexcept { return nullptr; }
  static void Release(Handle key) noexcept { RegCloseKey(key); }
};

// A value as stored: its type and its bytes (strings with whatever
// terminator was stored).
struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> bytes;
};

class RegistryKey : public Owner<RegistryKeyKind> {
 public:
  using Owner::Owner;

  // An empty owner when the key cannot be opened.
  static RegistryKey Open(HKEY parent, const char* path, REGSAM access);
  static RegistryKey Open(HKEY parent, const wchar_t* path, REGSAM access);
  // Opens the key, creating it and the keys above it when missing.
  static RegistryKey Create(HKEY parent, const char* path, REGSAM access);
  static RegistryKey Create(HKEY parent, const wchar_t* path, REGSAM access);

  // The whole value, however long: a value that grows between asking its
  // size and reading it is read again, up to three rounds. Nothing when the
  // value is missing (or no key is held).
  std::optional<RegistryValue> Read(const char* name) const;

  // A text value of any type whose stored bytes fit in `capacity` bytes;
  // the text ends at its first zero or at the stored length. Nothing when it
  // is missing or longer.
  std::optional<std::string> ReadText(const char* name, std::size_t capacity) const;
  // The same, for REG_SZ values only.
  std::optional<std::string> ReadString(const char* name, std::size_t capacity) const;
  // A string value as a field of `room` bytes (terminator included) shows
  // it: cut before the character that would not fit, never splitting a
  // double-byte one. Empty when missing or not a string.
  std::string ReadTextUpTo(const char* name, std::size_t room) const;
  // A REG_SZ value of any length, in UTF-16, ending at its first zero.
  std::optional<std::wstring> ReadWideString(const wchar_t* name) const;
  // A REG_DWORD value of exactly four bytes.
  std::optional<DWORD> ReadDword(const char* name) const;
  // A value of exactly this type and size, read into `buffer`.
  bool ReadExact(const char* name, DWORD type, void* buffer, DWORD size) const;
  // The query itself, for callers that pass its error on: the value's type
  // and up to `size` bytes into `buffer` (`size` becomes the stored size).
  LONG Query(const char* name, DWORD& type, void* buffer, DWORD& size) const;
  // Whether the value exists, whatever its type and size.
  bool Has(const char* name) const;

  bool WriteDword(const char* name, DWORD value) const;
  // REG_SZ, stored with its terminating zero.
  bool WriteString(const char* name, std::string_view text) const;
  bool WriteWideString(const wchar_t* name, std::wstring_view text, bool withZero = true) const;
  // The write's own result: ERROR_SUCCESS or the error.
  LONG WriteValue(const char* name, DWORD type, const void* data, DWORD size) const;
};
