#include "common/win/testing/registry_sandbox.h"

#include "common/win/registry_key.h"

#include <shellapi.h>

#include <fstream>
#include <iterator>

namespace {

constexpr char kTcpipParameters[] = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr char kDataBasePath[] = "DataBasePath";

std::string Unique(const char* prefix) {
  static int counter = 0;
  return std::string(prefix) + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(++counter) + "-" + std::to_string(GetTickCount());
}

// Winsock looks up the services database through this value.
void CopyServicesPath(HKEY sandbox) {
  char path[MAX_PATH] = {};
  DWORD size = sizeof path - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kTcpipParameters, kDataBasePath, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                   nullptr, path, &size) != ERROR_SUCCESS) {
    return;
  }
  RegSetKeyValueA(sandbox, kTcpipParameters, kDataBasePath, REG_EXPAND_SZ, path,
                  static_cast<DWORD>(strlen(path) + 1));
}

}  // namespace

RegistrySandbox::RegistrySandbox() : path_("Software\\NicSuiteSandbox\\" + Unique("")) {
  const RegistryKey sandbox = RegistryKey::Create(HKEY_CURRENT_USER, path_.c_str(), KEY_ALL_ACCESS);
  if (!sandbox) return;
  CopyServicesPath(sandbox.get());
  ready_ = RegOverridePredefKey(HKEY_LOCAL_MACHINE, sandbox.get()) == ERROR_SUCCESS;
}

RegistrySandbox::~RegistrySandbox() {
  RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
}

bool RegistrySandbox::SetString(const char* key, const char* name, const std::string& value) {
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_SZ, value.c_str(),
                         static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool RegistrySandbox::SetDword(const char* key, const char* name, DWORD value) {
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_DWORD, &value, sizeof value) ==
         ERROR_SUCCESS;
}

bool RegistrySandbox::SetBinary(const char* key, const char* name, const void* data, DWORD size) {
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_BINARY, data, size) == ERROR_SUCCESS;
}

bool RegistrySandbox::GetDword(const char* key, const char* name, DWORD& value) {
  DWORD size = sizeof value;
  return RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
         ERROR_SUCCESS;
}

TemporaryFolder::TemporaryFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(sizeof base, base);
  path_ = std::string(base) + Unique("nicsuite-");
  CreateDirectoryA(path_.c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder() {
  const std::string from = path_ + std::string(1, '\0');
  SHFILEOPSTRUCTA remove{};
  remove.wFunc = FO_DELETE;
  remove.pFrom = from.c_str();
  remove.fFlags = FOF_NO_UI;
  SHFileOperationA(&remove);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
