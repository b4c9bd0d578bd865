#include "nicconf/folder/core/view_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/seam.h"

namespace nic {
namespace {

const SettingRow& Row(const char* key) {
  for (const SettingRow& row : SettingRows())
    if (std::string(row.key) == key) return row;
  throw std::out_of_range(key);
}

TEST(ViewSettings, AnIntegerCountsOnlyWhenItPrintsBackAsReadAndLiesInRange) {
  const SettingRow& cycle = Row("REFRESHCYCLE");
  EXPECT_EQ(ReadIntegerSetting(cycle, "45"), 45);
  EXPECT_EQ(ReadIntegerSetting(cycle, "0"), 0);
  EXPECT_EQ(ReadIntegerSetting(cycle, "120"), 120);
  for (const char* bad : {"045", "200", "abc", "", " 45", "45 ", "-0", "99999999999999999999"})
    EXPECT_EQ(ReadIntegerSetting(cycle, bad), 30) << bad;
  EXPECT_EQ(ReadIntegerSetting(Row("BUSYTIMEOUT"), "0"), 1);
  EXPECT_EQ(ReadIntegerSetting(Row("BUSYTIMEOUT"), "6"), 1);
  EXPECT_EQ(ReadIntegerSetting(Row("BUSYTIMEOUT"), "5"), 5);
}

TEST(ViewSettings, ABooleanIsReadByItsFirstLettersInAnyCase) {
  const SettingRow& mac = Row("MACADDRESS");  // FALSE unless told
  for (const char* yes : {"true", "True", "TRUEX"}) EXPECT_TRUE(ReadBooleanSetting(mac, yes)) << yes;
  EXPECT_FALSE(ReadBooleanSetting(mac, "yes"));
  EXPECT_FALSE(ReadBooleanSetting(mac, "TRU"));
  EXPECT_TRUE(ReadBooleanSetting(Row("STATUS"), "yes"));
  EXPECT_FALSE(ReadBooleanSetting(Row("STATUS"), "falsetto"));
}

class Profile {
 public:
  std::string Read(const char* section, const char* key, const char* fallback) {
    const auto found = values.find(std::string(section) + "/" + key);
    return found == values.end() ? fallback : found->second;
  }
  void Write(const char* section, const char* key, const char* value) {
    values[std::string(section) + "/" + key] = value;
  }
  ProfileCalls calls() { return {this, Through<&Profile::Read>, Through<&Profile::Write>}; }
  std::map<std::string, std::string> values;
};

TEST(ViewSettings, LoadFillsEveryRowAndSaveWritesThemAllBack) {
  Profile profile;
  profile.values["PROPERTY TIME/REFRESHCYCLE"] = "045";
  profile.values["PROPERTY TIME/BUSYTIMEOUT"] = "3";
  profile.values["PROPERTY DISPLAY/VERSION"] = "true";
  const ViewSettings loaded = LoadViewSettings(profile.calls());
  EXPECT_EQ(loaded.refreshCycle, 30);
  EXPECT_EQ(loaded.busyTimeout, 3);
  EXPECT_TRUE(loaded.showVersion);
  EXPECT_TRUE(loaded.showName);
  EXPECT_FALSE(loaded.showIp);

  Profile saved;
  SaveViewSettings(saved.calls(), loaded);
  EXPECT_EQ(saved.values.size(), 9u);
  EXPECT_EQ(saved.values["PROPERTY TIME/REFRESHCYCLE"], "30");
  EXPECT_EQ(saved.values["PROPERTY DISPLAY/VERSION"], "TRUE");
  EXPECT_EQ(saved.values["PROPERTY DISPLAY/NETWORKNUMBER"], "FALSE");
}

TEST(ViewSettings, TheFileIsTheModulePathCutAtItsLastDotAndAPathWithoutOneIsNeverWritten) {
  const SettingsFile beside = SettingsFileOf("C:\\nrv\\nicconf.dll");
  EXPECT_EQ(beside.path, "C:\\nrv\\nicconf.ini");
  EXPECT_TRUE(beside.writable);
  const SettingsFile bare = SettingsFileOf("C:\\nrv\\nicconf");
  EXPECT_EQ(bare.path, "C:\\nrv\\nicconf.ini");
  EXPECT_FALSE(bare.writable);
}

}  // namespace
}  // namespace nic
