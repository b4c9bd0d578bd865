// nicconf.dll registered and unregistered as an administrator does it, with
// regsvr32, in the prefix's real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/registry_key.h"
#include "common/win/testing/program_run.h"
#include "nicconf/folder/tests/folder_test_support.h"

namespace {

const wchar_t kFolderClass[] = L"CLSID\\{5D2E0100-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kHandlerClass[] = L"CLSID\\{5D2E0105-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kNameSpace[] = L"SOFTWARE\\NRV\\Prindora\\NameSpace";
const wchar_t kFolderEntry[] = L"SOFTWARE\\NRV\\Prindora\\NameSpace\\{5D2E0100-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kHostKey[] = L"SOFTWARE\\NRV\\Prindora\\NameSpace\\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}";
const wchar_t kHandlerEntry[] =
    L"SOFTWARE\\NRV\\Prindora\\NameSpace\\{5D2E00D0-B41C-11D1-9E27-00A0C9A41F30}\\"
    L"{5D2E0105-B41C-11D1-9E27-00A0C9A41F30}";

std::wstring Text(HKEY root, const std::wstring& path, const wchar_t* name) {
  const RegistryKey key = RegistryKey::Open(root, path.c_str(), KEY_READ);
  return key.ReadWideString(name).value_or(L"<missing>");
}

DWORD Dword(HKEY root, const std::wstring& path, const char* name) {
  const RegistryKey key = RegistryKey::Open(root, path.c_str(), KEY_READ);
  return key.ReadDword(name).value_or(0xDEADBEEF);
}

bool Exists(HKEY root, const std::wstring& path) { return bool(RegistryKey::Open(root, path.c_str(), KEY_READ)); }

int ValueCount(HKEY root, const std::wstring& path) {
  const RegistryKey key = RegistryKey::Open(root, path.c_str(), KEY_READ);
  DWORD values = 0, keys = 0;
  RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr, nullptr,
                   nullptr, nullptr);
  return static_cast<int>(values * 100 + keys);
}

TEST(ServerRegistration, Regsvr32WritesTheFolderAndHandlerKeysAndTakesAwayOnlyThem) {
  // The root host's own key, which unregistering must leave.
  RegistryKey host = RegistryKey::Create(HKEY_LOCAL_MACHINE, kHostKey, KEY_WRITE);
  ASSERT_TRUE(host);
  ASSERT_EQ(RunRegsvr32(false), 0u);

  const std::wstring dll = WideModulePath("nicconf.dll");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, kFolderClass, L""), L"NRV プリントサーバ");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\InprocServer32", L""), dll);
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\InprocServer32", L"ThreadingModel"), L"both");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\DefaultIcon", L""), dll + L",0");
  EXPECT_EQ(Dword(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\ShellFolder", "Attributes"), 0x20000000u);
  EXPECT_EQ(ValueCount(HKEY_CLASSES_ROOT, kFolderClass), 103);  // default value; three keys
  EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kFolderEntry, L""), L"NRV プリントサーバ");
  EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kFolderEntry, "ID"), 3u);
  EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kFolderEntry, L"COMMENT"), L"NRV LANボード/アダプタ接続プリンタ");
  // ANSI readers (the host) get the texts in Shift_JIS.
  const RegistryKey entry = RegistryKey::Open(HKEY_LOCAL_MACHINE, kFolderEntry, KEY_READ);
  EXPECT_EQ(entry.ReadString("COMMENT", 64).value_or(""), "NRV LANボード/アダプタ接続プリンタ");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, kHandlerClass, L""), L"NICHandler Class");
  EXPECT_EQ(Text(HKEY_CLASSES_ROOT, std::wstring(kHandlerClass) + L"\\InprocServer32", L""), dll);
  EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, kHandlerEntry, L""), L"NIC Transactor");
  EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, kHandlerEntry, "Attributes"), 1u);

  ASSERT_EQ(RunRegsvr32(true), 0u);
  EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, kFolderClass));
  EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, kHandlerClass));
  EXPECT_FALSE(Exists(HKEY_LOCAL_MACHINE, kFolderEntry));
  EXPECT_FALSE(Exists(HKEY_LOCAL_MACHINE, kHandlerEntry));
  EXPECT_TRUE(Exists(HKEY_CLASSES_ROOT, L"CLSID"));
  EXPECT_TRUE(Exists(HKEY_LOCAL_MACHINE, kNameSpace));
  EXPECT_TRUE(Exists(HKEY_LOCAL_MACHINE, kHostKey));
  host = RegistryKey();
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kHostKey);
}

TEST(ServerRegistration, RegisteringTwiceReplacesTheClassKeysWhole) {
  ASSERT_EQ(RunRegsvr32(false), 0u);
  RegistryKey stray = RegistryKey::Create(HKEY_CLASSES_ROOT, (std::wstring(kFolderClass) + L"\\Stray").c_str(), KEY_WRITE);
  ASSERT_TRUE(stray);
  stray = RegistryKey();
  ASSERT_EQ(RunRegsvr32(false), 0u);
  EXPECT_FALSE(Exists(HKEY_CLASSES_ROOT, std::wstring(kFolderClass) + L"\\Stray"));
  ASSERT_EQ(RunRegsvr32(true), 0u);
}

}  // namespace
