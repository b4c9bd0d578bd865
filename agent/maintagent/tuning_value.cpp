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
  const RegistryKey key =
      RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kProductKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
  if (!key) return fallback;
  if (const std::optional<DWORD> value = key.ReadDword(name)) return *value;
  key.WriteDword(name, fallback);
  return fallback;
}

}  // namespace maintagent
