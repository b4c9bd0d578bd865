// maintui.dll: mail notification in the management window. The four COM
// server entries; the window creates RMMUIFolder and gets the module's
// other objects from it.
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "common/registry_script.h"
#include "common/win/class_factory.h"
#include "common/win/com_object.h"
#include "common/win/entry_guard.h"
#include "common/win/registrar.h"
#include "common/win/text_conversion.h"
#include "common/win/this_module.h"
#include "maintui/maintui_resource_ids.h"
#include "maintui/rmmui_objects.h"

namespace {

constexpr ComClass kClasses[] = {{&CLSID_RMMUIFolder, maintui::CreateFolder}};

std::wstring ModulePath() {
  wchar_t path[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameW(ThisModule(), path, MAX_PATH);
  return std::wstring(path, length < MAX_PATH ? length : 0);
}

// The registration script with the module's path put in (both UTF-8).
std::string ModuleScript() {
  HRSRC found = FindResourceA(ThisModule(), MAKEINTRESOURCEA(IDR_MAINTUI_SCRIPT), "REGISTRY");
  HGLOBAL loaded = found != nullptr ? LoadResource(ThisModule(), found) : nullptr;
  const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) return "";
  return regscript::ReplaceModule(std::string_view(bytes, SizeofResource(ThisModule(), found)),
                                  CodePageFromWide(CP_UTF8, ModulePath()));
}

// The type library the module carries, registered under the module's own
// path (loading it for registering would give the path another form).
HRESULT RegisterTypeLibrary() {
  std::wstring path = ModulePath();
  ITypeLib* library = nullptr;
  HRESULT result = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
  if (SUCCEEDED(result)) result = RegisterTypeLib(library, path.data(), nullptr);
  if (library != nullptr) library->Release();
  return result;
}

HRESULT UnregisterTypeLibrary() {
  return UnRegisterTypeLib(LIBID_RMMUILib, 1, 0, LOCALE_NEUTRAL, sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
  return GuardedMethod([&] { return GetClassObjectOf(kClasses, clsid, riid, out); });
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return ModuleUnlocked() ? S_OK : S_FALSE; }

extern "C" HRESULT __stdcall DllRegisterServer() {
  return GuardedMethod([&] {
    const HRESULT keys = RegisterScript(ModuleScript());
    if (FAILED(keys)) return keys;
    const HRESULT library = RegisterTypeLibrary();
    if (FAILED(library)) UnregisterScript(ModuleScript());
    return library;
  });
}

extern "C" HRESULT __stdcall DllUnregisterServer() {
  return GuardedMethod([&] {
    UnregisterTypeLibrary();
    return UnregisterScript(ModuleScript());
  });
}
