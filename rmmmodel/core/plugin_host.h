#pragma once
// What the model plug-in needs from its surroundings: the printer's own
// settings, the status manager the agent loaded, and the mail sender, clock,
// pause and log. The DLL gives the Win32 versions; tests give fakes.

#include <cstdint>
#include <optional>
#include <string>

#include "common/dav_records.h"

namespace rmmmodel {

enum class SettingsKey { Opened, Missing, NoMemory };

// The printer's "PrinterDriverData" key. Reads fail quietly (also while the
// key is not open); a value of another type or size reads as missing.
class PrinterSettings {
 public:
  virtual ~PrinterSettings() = default;
  virtual SettingsKey Open(const char* printerName) = 0;
  virtual std::optional<std::uint32_t> ReadDword(const char* name) = 0;
  virtual bool WriteDword(const char* name, std::uint32_t value) = 0;
  // Eight raw bytes: a UTC file time.
  virtual std::optional<std::uint64_t> ReadFileTime(const char* name) = 0;
  virtual bool WriteFileTime(const char* name, std::uint64_t value) = 0;
  // At most kTextReadLimit bytes; empty when missing.
  virtual std::string ReadText(const char* name) = 0;
};

inline constexpr std::size_t kTextReadLimit = 260;

// The status manager entries; Open returns the entry's result (0: success).
class StatusManager {
 public:
  virtual ~StatusManager() = default;
  virtual int Open(const char* printerName, std::uint32_t mode, void** manager) = 0;
  virtual bool ReadPrinterStatus(void* manager, DavPrinterStatus& status) = 0;
  // Through GetPrinterStatusDirectA; nothing when that entry is missing.
  virtual std::optional<std::uint32_t> ReadPageCount(void* manager) = 0;
  virtual void Close(void* manager) = 0;
};

class PluginServices {
 public:
  virtual ~PluginServices() = default;
  // True when the mail counts as sent.
  virtual bool SendMail(const char* printerName, int kind, DavNoticeRequest& request) = 0;
  // 100-nanosecond units since 1601.
  virtual std::uint64_t UtcFileTimeNow() = 0;
  virtual void Pause(std::uint32_t milliseconds) = 0;
  // An entry of the mail log in the plug-in's own form.
  virtual void LogError(const char* message) = 0;
};

struct PluginHost {
  PrinterSettings& settings;
  StatusManager& statusManager;
  PluginServices& services;
};

}  // namespace rmmmodel
