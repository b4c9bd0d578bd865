#include "agent/maintagent/tuning_value.h"

#include "common/dav_registry.h"
#include "common/win/registry_key.h"

namespace maintagent {

DWORD TuningValue::Get() {
  // Two first callers may both read; they read the same value.
  if (!read_.load(std::memory_order_acquire)) {
    value_.store(ReadTuningValue(name_, fallback_), std::memory_order_relaxed);
    read_.store(true, std::memory_order_release);
  }
  return value_.load(std::memory_order_relaxed);
}

DWORD ReadTuningValue(const char* name, DWORD fallback) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, dav::kProductKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                    &opened) != ERROR_SUCCESS) {
    return fallback;
  }
  const RegistryKey key(opened);
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(key.get(), nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    value = fallback;
    RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  return value;
}

}  // namespace maintagent
