#pragma once
// The printer's "PrinterDriverData" key below HKEY_LOCAL_MACHINE, where the
// alarm settings and the plug-in's sent flags live.

#include "common/win/registry_key.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

class DriverDataKey {
 public:
  PrinterSettingsCalls calls();

  SettingsKey Open(const char* printerName);
  std::optional<std::uint32_t> ReadDword(const char* name);
  bool WriteDword(const char* name, std::uint32_t value);
  std::optional<std::uint64_t> ReadFileTime(const char* name);
  bool WriteFileTime(const char* name, std::uint64_t value);
  std::string ReadText(const char* name);

 private:
  RegistryKey key_;
};

}  // namespace rmmmodel
