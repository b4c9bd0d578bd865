#include "common/win/testing/installed_network_provider.h"

#include "common/win/registry_key.h"
#include "common/win/testing/program_run.h"

namespace {

constexpr char kProviders[] = "System\\CurrentControlSet\\Control\\NetworkProvider";
constexpr char kOrder[] = "System\\CurrentControlSet\\Control\\NetworkProvider\\Order";
constexpr char kProviderOrder[] = "ProviderOrder";
constexpr char kServiceProvider[] = "System\\CurrentControlSet\\Services\\NicSuiteNet\\NetworkProvider";
constexpr char kService[] = "System\\CurrentControlSet\\Services\\NicSuiteNet";
// As Windows writes it: the path relative to the system folder.
constexpr char kProviderPath[] = "%SystemRoot%\\System32\\netprovider.dll";
constexpr DWORD kClassNetwork = 1;  // WN_NETWORK_CLASS

// reg.exe runs as a process of its own and so sees the real registry,
// whatever this process's HKLM is.
bool Reg(const std::string& arguments) {
  return RunConsole("reg.exe " + arguments, 10000).exitCode == 0;
}

std::string Quoted(const std::string& key) { return "\"HKLM\\" + key + "\""; }

bool RealKeyExists(const char* key) { return Reg("query " + Quoted(key)); }

// Whether this process's HKLM shows what reg.exe wrote into the real one.
bool SeesRealValue(const char* key, const char* name) {
  const RegistryKey opened = RegistryKey::Open(HKEY_LOCAL_MACHINE, key, KEY_READ);
  return opened && RegQueryValueExA(opened.get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool SetInProcess(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
  return RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, type, data, size) == ERROR_SUCCESS;
}

bool SetText(const char* key, const char* name, DWORD type, const char* text) {
  return SetInProcess(key, name, type, text, static_cast<DWORD>(strlen(text) + 1));
}

}  // namespace

std::string InstalledNetworkProvider::InstalledPath() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\" + kFile;
}

InstalledNetworkProvider::InstalledNetworkProvider() {
  if (GetModuleHandleA("mpr.dll") != nullptr) {
    failure_ = "mpr.dll is loaded already and has read its providers";
    return;
  }
  Install();
  if (!ready()) return;
  router_ = Library(LoadLibraryA("mpr.dll"));
  if (!router_) failure_ = "mpr.dll cannot be loaded";
}

InstalledNetworkProvider::~InstalledNetworkProvider() {
  router_.reset();  // mpr frees the provider as it goes
  Remove();
}

void InstalledNetworkProvider::Install() {
  if (!CopyFileA(ProgramBeside(kFile).c_str(), InstalledPath().c_str(), FALSE)) {
    failure_ = std::string(kFile) + " cannot be copied beside the system's DLLs (is it beside the test?)";
    return;
  }
  createdProviderKey_ = !RealKeyExists(kProviders);
  const std::string service = Quoted(kServiceProvider);
  if (!Reg("add " + Quoted(kOrder) + " /v " + kProviderOrder + " /d " + kName + " /f") ||
      !Reg("add " + service + " /v Name /d " + kName + " /f") ||
      !Reg("add " + service + " /v ProviderPath /t REG_EXPAND_SZ /d " + kProviderPath + " /f") ||
      !Reg("add " + service + " /v Class /t REG_DWORD /d " + std::to_string(kClassNetwork) + " /f")) {
    failure_ = "reg.exe cannot register the provider";
    return;
  }
  sandboxed_ = !SeesRealValue(kOrder, kProviderOrder);
  if (sandboxed_ &&
      !(SetText(kOrder, kProviderOrder, REG_SZ, kName) && SetText(kServiceProvider, "Name", REG_SZ, kName) &&
        SetText(kServiceProvider, "ProviderPath", REG_EXPAND_SZ, kProviderPath) &&
        SetInProcess(kServiceProvider, "Class", REG_DWORD, &kClassNetwork, sizeof kClassNetwork))) {
    failure_ = "the provider cannot be registered in the registry sandbox";
  }
}

void InstalledNetworkProvider::Remove() {
  if (sandboxed_) {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kOrder, kProviderOrder);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kService);
  }
  if (createdProviderKey_) {
    Reg("delete " + Quoted(kProviders) + " /f");
  } else {
    Reg("delete " + Quoted(kOrder) + " /v " + kProviderOrder + " /f");
  }
  Reg("delete " + Quoted(kService) + " /f");
  DeleteFileA(InstalledPath().c_str());
}
