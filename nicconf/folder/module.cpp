#include "nicconf/folder/module.h"

#include <objbase.h>

#include "nicconf/exchange/network.h"
#include "nicconf/ipx/ipx_jobs.h"
#include "nicconf/folder/field_controls.h"
#include "nicconf/folder/folder_files.h"
#include "nicconf/folder/folder_messages.h"
#include "nicconf/picture/shell/printer_picture.h"

namespace {

FolderModule module;

// After unregistering, the module's data files go at its next attach or
// detach, so an uninstalled folder leaves nothing beside it.
void DeleteDataFilesIfUnregistered() {
  if (!module.unregistered) return;
  DeleteFileA(nic::SettingsFileOf(ModulePath()).path.c_str());
  DeleteFileA(BesideModule("nic").c_str());
}

}  // namespace

FolderModule& FolderState() { return module; }

std::uint32_t BusyTimeoutSeconds() {
  return static_cast<std::uint32_t>(module.settings.busyTimeout > 0 ? module.settings.busyTimeout : 1);
}
HINSTANCE FolderInstance() { return module.instance; }

std::string ModulePath() {
  char path[MAX_PATH + 1];
  const DWORD length = GetModuleFileNameA(module.instance, path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : 0);
}

std::string BesideModule(const char* extension) {
  std::string path = ModulePath();
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.find_last_of("\\/");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.resize(dot);
  return path + "." + extension;
}

void AttachFolderModule(HINSTANCE instance) {
  module.instance = instance;
  DisableThreadLibraryCalls(instance);
  DeleteDataFilesIfUnregistered();
  LoadFolderSettings();
  RegisterFieldClasses(instance);
  const std::string path = ModulePath();
  StartPictures(path.substr(0, path.find_last_of('\\') + 1));
}

// The exchanges' and IPX jobs' threads run this module's code to their
// end, and a thread's end waits for the loader lock that a FreeLibrary holds
// while this module detaches: joining them there hangs. Once the network is
// used the module stays loaded until the process ends, when the threads are
// gone and nothing is waited for. (A named function: the 32-bit build calls
// it with the system's own calling convention.)
static BOOL CALLBACK StartTransportsOnce(PINIT_ONCE, PVOID, PVOID*) {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCWSTR>(&StartFolderTransports), &self);
  nic::NetworkSeams seams;
  seams.messages = FolderMessageCalls();
  module.tcpUsable = nic::StartNetwork(seams);
  module.ipxUsable = nic::ipx::StartIpx(FolderMessageCalls());
  return TRUE;
}

void StartFolderTransports() {
  static INIT_ONCE once = INIT_ONCE_STATIC_INIT;
  InitOnceExecuteOnce(&once, StartTransportsOnce, nullptr, nullptr);
}

void DetachFolderModule(bool processEnding) {
  // A module whose transports started is pinned: it detaches only at the
  // process's end, with the jobs' threads gone already.
  module.tcpUsable = false;
  module.ipxUsable = false;
  StopPictures(processEnding);
  UnregisterFieldClasses();
  // A module that was unregistered writes no settings beside itself again.
  if (!module.unregistered) SaveFolderSettings();
  DeleteDataFilesIfUnregistered();
}

