#pragma once
// A value below the prefix's real HKEY_LOCAL_MACHINE that comes back as it
// was, whatever its type, when the owner ends: the value, or its absence
// and the keys that did not exist.

#include <windows.h>

#include <string>
#include <vector>

class SavedRegistryValue {
 public:
  SavedRegistryValue(std::string key, std::string name);
  ~SavedRegistryValue();
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

 private:
  std::string key_, name_;
  std::string createdBranch_;  // the first key that did not exist
  bool had_ = false;
  DWORD type_ = REG_NONE;
  std::vector<BYTE> data_;
};

// A value of the real registry as text: a string, or a DWORD in decimal;
// empty when missing.
std::string RealValueText(const std::string& key, const char* name);
