// maintui.dll registered and unregistered as an administrator does it, with
// regsvr32, in the prefix's real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/registry_key.h"
#include "common/win/testing/program_run.h"
#include "common/win/text_conversion.h"

namespace {

const wchar_t kFolderClass[] = L"CLSID\\{5D2E0140-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kHostClass[] = L"CLSID\\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kHostHandlers[] = L"CLSID\\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}\\ShellEx\\ContextMenuHandlers";
const wchar_t kTypeLibrary[] = L"TypeLib\\{5D2E015F-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kHostEntry[] = L"SOFTWARE\\NRV\\Prindora\\NameSpace\\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kEntry[] =
    L"SOFTWARE\\NRV\\Prindora\\NameSpace\\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}\\"
    L"{5D2E0140-B41C-11D1-9E27-00A0C9A41F30}";

std::wstring Text(HKEY root, const std::wstring& path, const wchar_t* name) {
  return RegistryKey::Open(root, path.c_str(), KEY_READ).ReadWideString(name).value_or(L"<missing>");
}

DWORD Dword(HKEY root, const std::wstring& path, const char* name) {
  return RegistryKey::Open(root, path.c_str(), KEY_READ).ReadDword(name).value_or(0xDEADBEEF);
}

bool Exists(HKEY root, const std::wstring& path) { return bool(RegistryKey::Open(root, path.c_str(), KEY_READ)); }

// Values and subkeys of a key, as values * 100 + keys.
int Contents(HKEY root, const std::wstring& path) {
  const RegistryKey key = RegistryKey::Open(root, path.c_str(), KEY_READ);
  DWORD values = 0, keys = 0;
  RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr, nullptr,
                   nullptr, nullptr);
  return static_cast<int>(values * 100 + keys);
}

TEST(ServerRegistration, Regsvr32WritesTheClassTheHandlerTheEntryAndTheTypeLibraryAndTakesAwayOnlyThem) {
  // Another handler of the host's, which unregistering must leave.
  RegistryKey other = RegistryKey::Create(HKEY_CLASSES_ROOT, (std::wstring(kHostHandlers) + L"\\Other").c_str(),
                                          KEY_WRITE);
  ASSERT_TRUE(other);
  ASSERT_EQ(RunRegsvr32("maintui.dll", false), 0u);

  const std::wstring dll = WideFromAnsi(ProgramBeside("maintui.dll"));
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, kFolderClass, L""), L"リモート保守");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\InprocServer32", L""), dll);
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\InprocServer32", L"ThreadingModel"), L"both");
  EXPECT_EQ(Contents(HKEY_CLASSES_ROOT, kFolderClass), 101);  // default value; InprocServer32
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kHostHandlers) + L"\\RMMUI", L""),
            L"{5D2E0140-B41C-11D1-9E27-00A0C9A41F30}");
  EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kEntry, L""), L"リモート保守");
  EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kEntry, "Order"), 2u);
  EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kEntry, "Attributes"), 1u);
  EXPECT_EQ(Contents(HKEY_LOCAL_MACHINE, kEntry), 300);
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kTypeLibrary) + L"\\1.0", L""), L"RMMUI 1.0 Type Library");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kTypeLibrary) + L"\\1.0\\0\\win64", L""), dll);

  ASSERT_EQ(RunRegsvr32("maintui.dll", true), 0u);
  EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, kFolderClass));
  EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, std::wstring(kHostHandlers) + L"\\RMMUI"));
  EXPECT_TRUE(Exists(HKEY_CLASSES_ROOT, std::wstring(kHostHandlers) + L"\\Other"));
  EXPECT_FALSE(Exists(HKEY_LOCAL_MACHINE, kEntry));
  EXPECT_TRUE(Exists(HKEY_LOCAL_MACHINE, kHostEntry));
  EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, kTypeLibrary));
  other = RegistryKey();
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kHostClass);
}

}  // namespace
