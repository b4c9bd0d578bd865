#include "nicconf/folder/core/view_settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace nic {
namespace {

constexpr const char* kTime = "PROPERTY TIME";
constexpr const char* kDisplay = "PROPERTY DISPLAY";

constexpr SettingRow Integer(const char* key, const char* text, int minimum, int maximum,
                             int ViewSettings::*member) {
  return {SettingKind::Integer, kTime, key, text, minimum, maximum, member, nullptr};
}

constexpr SettingRow Boolean(const char* key, const char* text, bool ViewSettings::*member) {
  return {SettingKind::Boolean, kDisplay, key, text, 0, 0, nullptr, member};
}

constexpr SettingRow kRows[] = {
    Integer("REFRESHCYCLE", "30", 0, 120, &ViewSettings::refreshCycle),
    Integer("BUSYTIMEOUT", "1", 1, 5, &ViewSettings::busyTimeout),
    Boolean("NAME", "TRUE", &ViewSettings::showName),
    Boolean("MODEL", "TRUE", &ViewSettings::showModel),
    Boolean("MACADDRESS", "FALSE", &ViewSettings::showMac),
    Boolean("IPADDRESS", "FALSE", &ViewSettings::showIp),
    Boolean("NETWORKNUMBER", "FALSE", &ViewSettings::showNetnum),
    Boolean("VERSION", "FALSE", &ViewSettings::showVersion),
    Boolean("STATUS", "TRUE", &ViewSettings::showStatus),
};

bool StartsWithNoCase(const std::string& text, const char* prefix, std::size_t length) {
  return text.size() >= length && strncasecmp(text.c_str(), prefix, length) == 0;
}

// True for TRUE, false for FALSE, and nothing for any other text.
int BooleanOf(const std::string& text) {
  if (StartsWithNoCase(text, "TRUE", 4)) return 1;
  if (StartsWithNoCase(text, "FALSE", 5)) return 0;
  return -1;
}

}  // namespace

std::span<const SettingRow> SettingRows() { return kRows; }

int ReadIntegerSetting(const SettingRow& row, const std::string& text) {
  errno = 0;
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  char printed[32];
  std::snprintf(printed, sizeof printed, "%lld", value);
  if (errno == 0 && text == printed && value >= row.minimum && value <= row.maximum)
    return static_cast<int>(value);
  return std::atoi(row.defaultText);
}

bool ReadBooleanSetting(const SettingRow& row, const std::string& text) {
  const int value = BooleanOf(text);
  return value >= 0 ? value == 1 : BooleanOf(row.defaultText) == 1;
}

ViewSettings LoadViewSettings(const ProfileCalls& profile) {
  ViewSettings settings;
  for (const SettingRow& row : kRows) {
    const std::string text = profile.read(profile.context, row.section, row.key, row.defaultText);
    if (row.kind == SettingKind::Integer)
      settings.*row.integer = ReadIntegerSetting(row, text);
    else
      settings.*row.boolean = ReadBooleanSetting(row, text);
  }
  return settings;
}

void SaveViewSettings(const ProfileCalls& profile, const ViewSettings& settings) {
  for (const SettingRow& row : kRows) {
    char text[16];
    if (row.kind == SettingKind::Integer)
      std::snprintf(text, sizeof text, "%d", settings.*row.integer);
    else
      std::snprintf(text, sizeof text, "%s", settings.*row.boolean ? "TRUE" : "FALSE");
    profile.write(profile.context, row.section, row.key, text);
  }
}

SettingsFile SettingsFileOf(const std::string& modulePath) {
  const std::size_t dot = modulePath.rfind('.');
  if (dot == std::string::npos) return {modulePath + ".ini", false};
  return {modulePath.substr(0, dot) + ".ini", true};
}

}  // namespace nic
