#include "nicconf/folder/tests/folder_test_support.h"

#include <fstream>

#include "common/win/text_conversion.h"

std::string ModuleBeside(const char* name) {
  char self[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self, length);
  return path.substr(0, path.find_last_of('\\') + 1) + name;
}

std::wstring WideModulePath(const char* name) { return WideFromAnsi(ModuleBeside(name)); }

// Without pipes: loading the DLL may start Wine's desktop process, which
// would inherit a pipe and keep it open long after regsvr32 has ended.
DWORD RunRegsvr32(bool unregister) {
  std::string command =
      std::string("regsvr32.exe /s ") + (unregister ? "/u " : "") + "\"" + ModuleBeside("nicconf.dll") + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return GetLastError();
  DWORD code = WAIT_TIMEOUT;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

void WriteListFile(const std::string& text) {
  const std::string path = ModuleBeside("nicconf.nic");
  if (text.empty()) {
    DeleteFileA(path.c_str());
    return;
  }
  std::ofstream(path, std::ios::binary) << text;
}
