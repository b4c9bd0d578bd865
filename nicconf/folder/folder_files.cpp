#include "nicconf/folder/folder_files.h"

#include <windows.h>

#include "common/seam.h"
#include "common/win/kernel_handle.h"
#include "nicconf/folder/core/printer_list.h"
#include "nicconf/folder/core/view_settings.h"
#include "nicconf/folder/module.h"

namespace {

std::string ReadBounded(HANDLE file) {
  std::string text(nic::kMaxListFileBytes, '\0');
  DWORD total = 0;
  while (total < text.size()) {
    DWORD got = 0;
    if (!ReadFile(file, text.data() + total, static_cast<DWORD>(text.size() - total), &got, nullptr) ||
        got == 0)
      break;
    total += got;
  }
  text.resize(total);
  return text;
}

struct PrivateProfile {
  std::string path;

  std::string Read(const char* section, const char* key, const char* fallback) {
    char value[32];
    const DWORD length = GetPrivateProfileStringA(section, key, fallback, value, sizeof value, path.c_str());
    return std::string(value, length);
  }
  void Write(const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, path.c_str());
  }
  nic::ProfileCalls calls() { return {this, Through<&PrivateProfile::Read>, Through<&PrivateProfile::Write>}; }
};

}  // namespace

bool LoadListFile(const std::string& path, std::vector<nic::PrinterRecord>& records) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  return nic::ParsePrinterList(ReadBounded(file.get()), records);
}

bool SaveListFile(const std::string& path, std::span<const nic::PrinterRecord> records) {
  const std::string text = nic::FormatPrinterList(records);
  const std::string partial = path + ".new";
  {
    FileHandle file(CreateFileA(partial.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size() || !FlushFileBuffers(file.get())) {
      file = FileHandle();
      DeleteFileA(partial.c_str());
      return false;
    }
  }
  if (MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileA(partial.c_str());
  return false;
}

bool ReloadFolderList() { return LoadListFile(BesideModule("nic"), FolderState().loaded); }

void LoadFolderSettings() {
  const nic::SettingsFile file = nic::SettingsFileOf(ModulePath());
  PrivateProfile profile{file.path};
  FolderState().settings = nic::LoadViewSettings(profile.calls());
  FolderState().settingsWritable = file.writable;
  // A module without an extension would write its settings under its own
  // name plus ".ini" wherever that is; it reads them once and leaves nothing.
  if (!file.writable) DeleteFileA(file.path.c_str());
}

void SaveFolderSettings() {
  if (!FolderState().settingsWritable) return;
  PrivateProfile profile{nic::SettingsFileOf(ModulePath()).path};
  nic::SaveViewSettings(profile.calls(), FolderState().settings);
}
