#pragma once
// The printer's "PrinterDriverData" key below HKEY_LOCAL_MACHINE, where the
// alarm settings and the plug-in's sent flags live.

#include "common/win/registry_key.h"
#include "rmmmodel/core/plugin_host.h"

namespace rmmmodel {

class DriverDataKey : public PrinterSettings {
 public:
  SettingsKey Open(const char* printerName) override;
  std::optional<std::uint32_t> ReadDword(const char* name) override;
  bool WriteDword(const char* name, std::uint32_t value) override;
  std::optional<std::uint64_t> ReadFileTime(const char* name) override;
  bool WriteFileTime(const char* name, std::uint64_t value) override;
  std::string ReadText(const char* name) override;

 private:
  // True when the value has exactly this type and size.
  bool ReadExact(const char* name, DWORD type, void* buffer, DWORD size);
  bool Write(const char* name, DWORD type, const void* data, DWORD size);

  RegistryKey key_;
};

}  // namespace rmmmodel
