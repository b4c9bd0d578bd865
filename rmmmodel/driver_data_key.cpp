#include "rmmmodel/driver_data_key.h"

#include <new>
#include <string>

#include "common/bounded_text.h"
#include "common/dav_registry.h"

namespace rmmmodel {

SettingsKey DriverDataKey::Open(const char* printerName) {
  std::string path;
  try {
    path = std::string(dav::kPrintersKey) + "\\" + printerName + "\\" + dav::kDriverData;
  } catch (const std::bad_alloc&) {
    return SettingsKey::NoMemory;
  }
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
    return SettingsKey::Missing;
  }
  key_ = RegistryKey(key);
  return SettingsKey::Opened;
}

bool DriverDataKey::ReadExact(const char* name, DWORD type, void* buffer, DWORD size) {
  if (!key_) return false;
  DWORD actualType = REG_NONE;
  DWORD actualSize = size;
  return RegQueryValueExA(key_.get(), name, nullptr, &actualType, static_cast<BYTE*>(buffer),
                          &actualSize) == ERROR_SUCCESS &&
         actualType == type && actualSize == size;
}

bool DriverDataKey::Write(const char* name, DWORD type, const void* data, DWORD size) {
  return key_ && RegSetValueExA(key_.get(), name, 0, type, static_cast<const BYTE*>(data),
                                size) == ERROR_SUCCESS;
}

std::optional<std::uint32_t> DriverDataKey::ReadDword(const char* name) {
  DWORD value = 0;
  if (!ReadExact(name, REG_DWORD, &value, sizeof value)) return std::nullopt;
  return value;
}

bool DriverDataKey::WriteDword(const char* name, std::uint32_t value) {
  const DWORD data = value;
  return Write(name, REG_DWORD, &data, sizeof data);
}

std::optional<std::uint64_t> DriverDataKey::ReadFileTime(const char* name) {
  FILETIME time{};
  if (!ReadExact(name, REG_BINARY, &time, sizeof time)) return std::nullopt;
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool DriverDataKey::WriteFileTime(const char* name, std::uint64_t value) {
  const FILETIME time{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
  return Write(name, REG_BINARY, &time, sizeof time);
}

// A value longer than the buffer fails to read and leaves the text empty;
// one that fits need not end in a zero.
std::string DriverDataKey::ReadText(const char* name) {
  char buffer[kTextReadLimit] = {};
  DWORD type = REG_NONE;
  DWORD size = sizeof buffer;
  if (!key_ || RegQueryValueExA(key_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                                &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return {};
  }
  char text[kTextReadLimit + 1];
  return std::string(text, CopyBoundedText(text, buffer, size));
}

}  // namespace rmmmodel
