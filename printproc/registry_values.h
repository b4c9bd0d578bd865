#pragma once
// Values below HKEY_LOCAL_MACHINE as the processor reads them: ANSI key
// paths (printer names are ANSI), whole values into buffers of their size.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace printproc {

// The value's bytes as stored (strings without anything added); nothing
// when the key or the value is missing.
std::optional<std::vector<std::uint8_t>> ReadRegistryValue(const std::string& key, const char* name);

// A REG_DWORD value; nothing when missing or of another type or size.
std::optional<DWORD> ReadRegistryDword(const std::string& key, const char* name);

}  // namespace printproc
