// nicconf.dll's entries: the process entry, the four COM server exports,
// the printer picture and the printer setting sheet.
#include <windows.h>

#include <string>

#include "common/registry_script.h"
#include "common/win/com_object.h"
#include "common/win/entry_guard.h"
#include "common/win/registrar.h"
#include "common/win/text_conversion.h"
#include "nicconf/folder/class_factory.h"
#include "nicconf/folder/module.h"
#include "nicconf/folder/resource_ids.h"
#include "nicconf/picture/shell/printer_picture.h"
#include "nicconf/sheets/setting_sheet.h"

namespace {

// A registration script of the module's resources with the module's path
// put in (both UTF-8).
std::string ModuleScript(int id) {
  HRSRC found = FindResourceA(FolderInstance(), MAKEINTRESOURCEA(id), "REGISTRY");
  HGLOBAL loaded = found != nullptr ? LoadResource(FolderInstance(), found) : nullptr;
  const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (bytes == nullptr) return "";
  wchar_t path[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameW(FolderInstance(), path, MAX_PATH);
  return regscript::ReplaceModule(std::string_view(bytes, SizeofResource(FolderInstance(), found)),
                            CodePageFromWide(CP_UTF8, std::wstring_view(path, length < MAX_PATH ? length : 0)));
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  return GuardedEntry(FALSE, [&] {
    if (reason == DLL_PROCESS_ATTACH) AttachFolderModule(instance);
    if (reason == DLL_PROCESS_DETACH) DetachFolderModule(reserved != nullptr);
    return TRUE;
  });
}

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
  return GuardedMethod([&] {
    StartFolderTransports();
    return GetFolderClassObject(clsid, riid, out);
  });
}

extern "C" HRESULT __stdcall DllCanUnloadNow() { return ModuleUnlocked() ? S_OK : S_FALSE; }

extern "C" HRESULT __stdcall DllRegisterServer() {
  return GuardedMethod([&] {
    const HRESULT folder = RegisterScript(ModuleScript(kFolderScript));
    if (FAILED(folder)) return folder;
    const HRESULT handler = RegisterScript(ModuleScript(kHandlerScript));
    if (FAILED(handler)) UnregisterScript(ModuleScript(kFolderScript));
    return handler;
  });
}

// Takes away what registering wrote, whatever stands in the way, and leaves
// the module to delete its data files when it is next attached or detached.
extern "C" HRESULT __stdcall DllUnregisterServer() {
  GuardedMethod([&] {
    UnregisterScript(ModuleScript(kFolderScript));
    UnregisterScript(ModuleScript(kHandlerScript));
    RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                  "SOFTWARE\\NRV\\Prindora\\NameSpace\\{5D2E0100-B41C-11D1-9E27-00A0C9A41F30}");
    return S_OK;
  });
  FolderState().unregistered = true;
  return S_OK;
}

// The printer's picture beside its status; the caller deletes the bitmap.
extern "C" HBITMAP WINAPI CreatePrinterBitmap(HINSTANCE instance, nic::PrinterPictureInfo info, DWORD extra) {
  return GuardedEntry<HBITMAP>(nullptr, [&] {
    return CreatePrinterPicture(instance != nullptr ? instance : FolderInstance(), info, extra);
  });
}

// The setting sheet of one printer over `owner`, as the folder's view and the
// host printers' LAN board entry open it. TRUE when something was written;
// the record then carries the printer's new name.
extern "C" BOOL WINAPI OpenPrinterSettings(HWND owner, nic::PrinterRecord* printer) {
  return GuardedEntry(FALSE, [&] {
    if (printer == nullptr) return FALSE;
    StartFolderTransports();
    return nic::sheets::OpenSettingSheet(owner, *printer, BusyTimeoutSeconds()) ? TRUE : FALSE;
  });
}
