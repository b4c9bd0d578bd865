#include "common/win/testing/saved_registry_value.h"

#include "common/win/registry_key.h"

namespace {

bool KeyExists(const std::string& key) {
  return static_cast<bool>(RegistryKey::Open(HKEY_LOCAL_MACHINE, key.c_str(), KEY_READ));
}

std::string FirstMissing(const std::string& key) {
  for (std::size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
    const std::string part = key.substr(0, end);
    if (!KeyExists(part)) return part;
    if (end == std::string::npos) return {};
  }
}

}  // namespace

SavedRegistryValue::SavedRegistryValue(std::string key, std::string name)
    : key_(std::move(key)), name_(std::move(name)), createdBranch_(FirstMissing(key_)) {
  DWORD size = 0;
  had_ = RegGetValueA(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                      &type_, nullptr, &size) == ERROR_SUCCESS;
  if (!had_) return;
  data_.resize(size);
  had_ = RegGetValueA(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                      &type_, data_.data(), &size) == ERROR_SUCCESS;
  data_.resize(size);
}

SavedRegistryValue::~SavedRegistryValue() {
  if (had_) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str(), type_, data_.data(),
                    static_cast<DWORD>(data_.size()));
  } else {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key_.c_str(), name_.c_str());
  }
  if (!createdBranch_.empty()) RegDeleteTreeA(HKEY_LOCAL_MACHINE, createdBranch_.c_str());
}

std::string RealValueText(const std::string& key, const char* name) {
  char text[512] = {};
  DWORD type = REG_NONE;
  DWORD size = sizeof text - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type,
                   text, &size) != ERROR_SUCCESS) {
    return {};
  }
  if (type == REG_DWORD) return std::to_string(*reinterpret_cast<const DWORD*>(text));
  return text;
}

RealRegistryValues::~RealRegistryValues() {
  while (!saved_.empty()) saved_.pop_back();
}

void RealRegistryValues::Keep(const std::string& key, const char* name) {
  saved_.push_back(std::make_unique<SavedRegistryValue>(key, name));
}

void RealRegistryValues::Text(const std::string& key, const char* name, const std::string& value) {
  Keep(key, name);
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void RealRegistryValues::Dword(const std::string& key, const char* name, DWORD value) {
  Keep(key, name);
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_DWORD, &value, sizeof value);
}

void RealRegistryValues::Binary(const std::string& key, const char* name, const void* data, DWORD size) {
  Keep(key, name);
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, REG_BINARY, data, size);
}

void RealRegistryValues::Missing(const std::string& key, const char* name) {
  Keep(key, name);
  RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), name);
}
