#include "outside/folderhost/namespace_entries.h"

#include <algorithm>

#include "common/win/registry_key.h"

namespace folderhost {
namespace {

constexpr wchar_t kNameSpace[] = L"SOFTWARE\\NRV\\Prindora\\NameSpace";

std::vector<std::wstring> Subkeys(const RegistryKey& key) {
  std::vector<std::wstring> names;
  for (DWORD i = 0;; ++i) {
    wchar_t name[MAX_PATH];
    DWORD length = MAX_PATH;
    if (RegEnumKeyExW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

// The entries below `path` that name a class, by `orderValue`.
std::vector<NameSpaceEntry> EntriesBelow(const std::wstring& path, const char* orderValue) {
  const RegistryKey parent = RegistryKey::Open(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ);
  std::vector<NameSpaceEntry> entries;
  for (const std::wstring& name : Subkeys(parent)) {
    CLSID clsid{};
    if (FAILED(CLSIDFromString(name.c_str(), &clsid)) || clsid == kHostClass) continue;
    const RegistryKey entry = RegistryKey::Open(HKEY_LOCAL_MACHINE, (path + L"\\" + name).c_str(), KEY_READ);
    entries.push_back({clsid, entry.ReadWideString(L"").value_or(name), entry.ReadWideString(L"COMMENT").value_or(L""),
                       entry.ReadDword(orderValue).value_or(0xFFFF), entry.ReadDword("Attributes").value_or(0)});
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const NameSpaceEntry& a, const NameSpaceEntry& b) { return a.order < b.order; });
  return entries;
}

std::wstring HostKey() {
  wchar_t text[64];
  StringFromGUID2(kHostClass, text, 64);
  return std::wstring(kNameSpace) + L"\\" + text;
}

}  // namespace

std::vector<NameSpaceEntry> RegisteredFolders() { return EntriesBelow(kNameSpace, "ID"); }
std::vector<NameSpaceEntry> RegisteredExtensions() { return EntriesBelow(HostKey(), "Order"); }

}  // namespace folderhost
