#include "common/win/mail_log_file.h"

#include <windows.h>

#include "common/dav_registry.h"
#include "common/win/kernel_handle.h"
#include "common/win/registry_key.h"

namespace {

// The uninstall command's directory, with its trailing backslash.
std::string InstallDirectory() {
  const RegistryKey key = RegistryKey::Open(HKEY_LOCAL_MACHINE, dav::kUninstallKey, KEY_READ);
  const std::string command = key.ReadText(dav::kUninstallString, 260).value_or("");
  const std::size_t slash = command.rfind('\\');
  return slash == std::string::npos ? std::string() : command.substr(0, slash + 1);
}

}  // namespace

std::string MailLogPath() {
  const std::string directory = InstallDirectory();
  if (directory.empty()) return {};
  return directory + dav::kMailLogFolder + "\\" + dav::kMailLogFile;
}

bool AppendToMailLog(const std::string& entry) {
  const std::string directory = InstallDirectory();
  if (directory.empty()) return false;
  CreateDirectoryA((directory + dav::kMailLogFolder).c_str(), nullptr);
  FileHandle file(CreateFileA(MailLogPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  SetFilePointer(file.get(), 0, nullptr, FILE_END);
  DWORD written = 0;
  return WriteFile(file.get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr) &&
         written == entry.size();
}
