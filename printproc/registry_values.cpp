#include "printproc/registry_values.h"

#include "common/win/registry_key.h"

namespace printproc {
namespace {

// A value may grow between asking its size and reading it; a few rounds
// settle that, and a value that keeps growing is not read.
constexpr int kReadRounds = 3;

std::optional<std::wstring> Wide(const std::string& text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (size <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), size);
  wide.pop_back();
  return wide;
}

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<std::uint8_t> bytes;
};

std::optional<RawValue> ReadRaw(const std::string& key, const char* name) {
  const auto path = Wide(key);
  RegistryKey opened;
  if (!path || !opened.Open(HKEY_LOCAL_MACHINE, path->c_str(), KEY_QUERY_VALUE)) return std::nullopt;
  RawValue value;
  for (int round = 0; round < kReadRounds; ++round) {
    DWORD size = 0;
    if (RegQueryValueExA(opened.get(), name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    value.bytes.resize(size);
    const LONG result = RegQueryValueExA(opened.get(), name, nullptr, &value.type,
                                         value.bytes.data(), &size);
    if (result == ERROR_SUCCESS) {
      value.bytes.resize(size);
      return value;
    }
    if (result != ERROR_MORE_DATA) return std::nullopt;
  }
  return std::nullopt;
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
  memcpy(&number, value->bytes.data(), sizeof number);
  return number;
}

}  // namespace printproc
