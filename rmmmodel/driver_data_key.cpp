#include "rmmmodel/driver_data_key.h"

#include <new>
#include <string>

#include "common/dav_registry.h"
#include "common/seam.h"

namespace rmmmodel {

PrinterSettingsCalls DriverDataKey::calls() {
  return {this,
          Through<&DriverDataKey::Open>,
          Through<&DriverDataKey::ReadDword>,
          Through<&DriverDataKey::WriteDword>,
          Through<&DriverDataKey::ReadFileTime>,
          Through<&DriverDataKey::WriteFileTime>,
          Through<&DriverDataKey::ReadText>};
}

SettingsKey DriverDataKey::Open(const char* printerName) {
  std::string path;
  try {
    path = std::string(dav::kPrintersKey) + "\\" + printerName + "\\" + dav::kDriverData;
  } catch (const std::bad_alloc&) {
    return SettingsKey::NoMemory;
  }
  key_ = RegistryKey::Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_ALL_ACCESS);
  return key_ ? SettingsKey::Opened : SettingsKey::Missing;
}

std::optional<std::uint32_t> DriverDataKey::ReadDword(const char* name) {
  return key_.ReadDword(name);
}

bool DriverDataKey::WriteDword(const char* name, std::uint32_t value) {
  return key_.WriteDword(name, value);
}

std::optional<std::uint64_t> DriverDataKey::ReadFileTime(const char* name) {
  FILETIME time{};
  if (!key_.ReadExact(name, REG_BINARY, &time, sizeof time)) return std::nullopt;
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool DriverDataKey::WriteFileTime(const char* name, std::uint64_t value) {
  const FILETIME time{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
  return key_.WriteValue(name, REG_BINARY, &time, sizeof time) == ERROR_SUCCESS;
}

// A value longer than the buffer fails to read and leaves the text empty;
// one that fits need not end in a zero.
std::string DriverDataKey::ReadText(const char* name) {
  return key_.ReadString(name, kTextReadLimit).value_or("");
}

}  // namespace rmmmodel
