#include "common/win/registry_key.h"

#include <cstring>

#include "common/shift_jis.h"

namespace {

// A value may grow between asking its size and reading it; a few rounds
// settle that, and a value that keeps growing is not read.
constexpr int kReadRounds = 3;

std::string TextOf(const char* bytes, DWORD size) {
  return std::string(bytes, strnlen(bytes, size));
}

// The ANSI and wide calls alike: a failed call leaves the owner empty.
template <typename Call>
RegistryKey Opened(Call call) {
  RegistryKey key;
  if (call(key.out()) != ERROR_SUCCESS) key.release();
  return key;
}

}  // namespace

RegistryKey RegistryKey::Open(HKEY parent, const char* path, REGSAM access) {
  return Opened([&](HKEY* key) { return RegOpenKeyExA(parent, path, 0, access, key); });
}

RegistryKey RegistryKey::Open(HKEY parent, const wchar_t* path, REGSAM access) {
  return Opened([&](HKEY* key) { return RegOpenKeyExW(parent, path, 0, access, key); });
}

RegistryKey RegistryKey::Create(HKEY parent, const char* path, REGSAM access) {
  return Opened([&](HKEY* key) {
    return RegCreateKeyExA(parent, path, 0, nullptr, 0, access, nullptr, key, nullptr);
  });
}

RegistryKey RegistryKey::Create(HKEY parent, const wchar_t* path, REGSAM access) {
  return Opened([&](HKEY* key) {
    return RegCreateKeyExW(parent, path, 0, nullptr, 0, access, nullptr, key, nullptr);
  });
}

std::optional<RegistryValue> RegistryKey::Read(const char* name) const {
  if (!*this) return std::nullopt;
  RegistryValue value;
  for (int round = 0; round < kReadRounds; ++round) {
    DWORD size = 0;
    if (RegQueryValueExA(get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    value.bytes.resize(size);
    const LONG result =
        RegQueryValueExA(get(), name, nullptr, &value.type, value.bytes.data(), &size);
    if (result == ERROR_SUCCESS) {
      value.bytes.resize(size);
      return value;
    }
    if (result != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> RegistryKey::ReadText(const char* name, std::size_t capacity) const {
  if (!*this) return std::nullopt;
  std::string buffer(capacity, '\0');
  DWORD size = static_cast<DWORD>(capacity);
  if (RegQueryValueExA(get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return TextOf(buffer.data(), size);
}

std::string RegistryKey::ReadTextUpTo(const char* name, std::size_t room) const {
  const auto value = Read(name);
  if (!value || room == 0 || (value->type != REG_SZ && value->type != REG_EXPAND_SZ)) return {};
  const auto* bytes = reinterpret_cast<const char*>(value->bytes.data());
  return CutShiftJis(TextOf(bytes, static_cast<DWORD>(value->bytes.size())), room - 1);
}

std::optional<std::string> RegistryKey::ReadString(const char* name, std::size_t capacity) const {
  if (!*this) return std::nullopt;
  std::string buffer(capacity, '\0');
  DWORD type = REG_NONE;
  DWORD size = static_cast<DWORD>(capacity);
  if (RegQueryValueExA(get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  return TextOf(buffer.data(), size);
}

std::optional<std::wstring> RegistryKey::ReadWideString(const wchar_t* name) const {
  if (!*this) return std::nullopt;
  for (int round = 0; round < kReadRounds; ++round) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
      return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    const LONG result = RegQueryValueExW(get(), name, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(text.data()), &size);
    if (result == ERROR_SUCCESS) {
      // The stored length may or may not count a terminating zero.
      text.resize(size / sizeof(wchar_t));
      if (const auto zero = text.find(L'\0'); zero != std::wstring::npos) text.resize(zero);
      return text;
    }
    if (result != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<DWORD> RegistryKey::ReadDword(const char* name) const {
  DWORD value = 0;
  if (!ReadExact(name, REG_DWORD, &value, sizeof value)) return std::nullopt;
  return value;
}

bool RegistryKey::ReadExact(const char* name, DWORD type, void* buffer, DWORD size) const {
  if (!*this) return false;
  DWORD actualType = REG_NONE;
  DWORD actualSize = size;
  return RegQueryValueExA(get(), name, nullptr, &actualType, static_cast<BYTE*>(buffer),
                          &actualSize) == ERROR_SUCCESS &&
         actualType == type && actualSize == size;
}

LONG RegistryKey::Query(const char* name, DWORD& type, void* buffer, DWORD& size) const {
  if (!*this) return ERROR_INVALID_HANDLE;
  return RegQueryValueExA(get(), name, nullptr, &type, static_cast<BYTE*>(buffer), &size);
}

bool RegistryKey::Has(const char* name) const {
  return *this && RegQueryValueExA(get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKey::WriteDword(const char* name, DWORD value) const {
  return WriteValue(name, REG_DWORD, &value, sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const char* name, std::string_view text) const {
  const std::string stored(text);
  return WriteValue(name, REG_SZ, stored.c_str(), static_cast<DWORD>(stored.size() + 1)) ==
         ERROR_SUCCESS;
}

bool RegistryKey::WriteWideString(const wchar_t* name, std::wstring_view text,
                                  bool withZero) const {
  const std::wstring stored(text);
  const DWORD bytes = static_cast<DWORD>((stored.size() + (withZero ? 1 : 0)) * sizeof(wchar_t));
  return *this && RegSetValueExW(get(), name, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(stored.c_str()),
                                 bytes) == ERROR_SUCCESS;
}

LONG RegistryKey::WriteValue(const char* name, DWORD type, const void* data, DWORD size) const {
  if (!*this) return ERROR_INVALID_HANDLE;
  return RegSetValueExA(get(), name, 0, type, static_cast<const BYTE*>(data), size);
}
