#include "printproc/registry_values.h"

#include <cstring>

#include "common/win/registry_key.h"

namespace printproc {
namespace {

std::optional<RegistryValue> ReadRaw(const std::string& key, const char* name) {
  return RegistryKey::Open(HKEY_LOCAL_MACHINE, key.c_str(), KEY_QUERY_VALUE).Read(name);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadRegistryValue(const std::string& key, const char* name) {
  auto value = ReadRaw(key, name);
  if (!value) return std::nullopt;
  return std::move(value->bytes);
}

std::optional<DWORD> ReadRegistryDword(const std::string& key, const char* name) {
  const auto value = ReadRaw(key, name);
  if (!value || value->type != REG_DWORD || value->bytes.size() != sizeof(DWORD)) return std::nullopt;
  DWORD number = 0;
  std::memcpy(&number, value->bytes.data(), sizeof number);
  return number;
}

}  // namespace printproc
