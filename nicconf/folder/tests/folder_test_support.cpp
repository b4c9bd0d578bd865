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

void WriteListFile(const std::string& text) {
  const std::string path = ModuleBeside("nicconf.nic");
  if (text.empty()) {
    DeleteFileA(path.c_str());
    return;
  }
  std::ofstream(path, std::ios::binary) << text;
}
