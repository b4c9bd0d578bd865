#pragma once
// A value below the prefix's real HKEY_LOCAL_MACHINE that comes back as it
// was, whatever its type, when the owner ends: the value, or its absence
// and the keys that did not exist.

#include <windows.h>

#include <memory>
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

// Values of the real registry set for a test and put back as they were, in
// the reverse order, when the owner ends.
class RealRegistryValues {
 public:
  RealRegistryValues() = default;
  ~RealRegistryValues();
  RealRegistryValues(const RealRegistryValues&) = delete;
  RealRegistryValues& operator=(const RealRegistryValues&) = delete;

  void Text(const std::string& key, const char* name, const std::string& value);
  void Dword(const std::string& key, const char* name, DWORD value);
  void Binary(const std::string& key, const char* name, const void* data, DWORD size);
  void Missing(const std::string& key, const char* name);

 private:
  void Keep(const std::string& key, const char* name);
  std::vector<std::unique_ptr<SavedRegistryValue>> saved_;
};

// A value of the real registry as text: a string, or a DWORD in decimal;
// empty when missing.
std::string RealValueText(const std::string& key, const char* name);
