#pragma once
// The folder's view settings (refresh cycle, response wait, shown columns),
// kept in a private-profile file beside the module. One table row per key
// says its kind, place, default and range, and which member it fills.

#include <span>
#include <string>

namespace nic {

struct ViewSettings {
  int refreshCycle = 30;  // seconds; 0 is no periodic refresh
  int busyTimeout = 1;    // seconds a printer is given to answer
  bool showName = true;
  bool showModel = true;
  bool showMac = false;
  bool showIp = false;
  bool showNetnum = false;
  bool showVersion = false;
  bool showStatus = true;
};

enum class SettingKind { Integer, Boolean };

struct SettingRow {
  SettingKind kind;
  const char* section;
  const char* key;
  const char* defaultText;
  int minimum;
  int maximum;
  int ViewSettings::*integer;
  bool ViewSettings::*boolean;
};

std::span<const SettingRow> SettingRows();

// The private-profile file, as the module sees it.
struct ProfileCalls {
  void* context;
  // The value's text (at most 31 bytes), or `fallback` when it is missing.
  std::string (*read)(void* context, const char* section, const char* key, const char* fallback);
  void (*write)(void* context, const char* section, const char* key, const char* value);
};

// An integer counts only when "%d" gives back exactly the text read and it
// lies in range ("045" does not); otherwise the row's default.
int ReadIntegerSetting(const SettingRow& row, const std::string& text);
// TRUE when the text begins with "TRUE", FALSE when with "FALSE", in any
// case; otherwise the row's default.
bool ReadBooleanSetting(const SettingRow& row, const std::string& text);

ViewSettings LoadViewSettings(const ProfileCalls& profile);
void SaveViewSettings(const ProfileCalls& profile, const ViewSettings& settings);

// The file beside a module: its path cut at the last '.' plus ".ini". A path
// without '.' gets ".ini" appended, and that file is read once, deleted and
// never written (`writable` false).
struct SettingsFile {
  std::string path;
  bool writable;
};
SettingsFile SettingsFileOf(const std::string& modulePath);

}  // namespace nic
