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

inline constexpr std::size_t kTextReadLimit = 260;

// The printer's "PrinterDriverData" key. Reads fail quietly (also while the
// key is not open); a value of another type or size reads as missing.
struct PrinterSettingsCalls {
  void* context;
  SettingsKey (*open)(void* context, const char* printerName);
  std::optional<std::uint32_t> (*readDword)(void* context, const char* name);
  bool (*writeDword)(void* context, const char* name, std::uint32_t value);
  // Eight raw bytes: a UTC file time.
  std::optional<std::uint64_t> (*readFileTime)(void* context, const char* name);
  bool (*writeFileTime)(void* context, const char* name, std::uint64_t value);
  // At most kTextReadLimit bytes; empty when missing.
  std::string (*readText)(void* context, const char* name);
};

// The status manager entries; open returns the entry's result (0: success).
struct StatusManagerCalls {
  void* context;
  int (*open)(void* context, const char* printerName, std::uint32_t mode, void** manager);
  bool (*readPrinterStatus)(void* context, void* manager, DavPrinterStatus& status);
  // Through GetPrinterStatusDirectA; nothing when that entry is missing.
  std::optional<std::uint32_t> (*readPageCount)(void* context, void* manager);
  void (*close)(void* context, void* manager);
};

struct PluginServiceCalls {
  void* context;
  // True when the mail counts as sent.
  bool (*sendMail)(void* context, const char* printerName, int kind, DavNoticeRequest& request);
  // 100-nanosecond units since 1601.
  std::uint64_t (*utcFileTimeNow)(void* context);
  void (*pause)(void* context, std::uint32_t milliseconds);
  // An entry of the mail log in the plug-in's own form.
  void (*logError)(void* context, const char* message);
};

struct PluginHost {
  PrinterSettingsCalls settings;
  StatusManagerCalls statusManager;
  PluginServiceCalls services;
};

}  // namespace rmmmodel
