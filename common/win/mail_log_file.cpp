#include "common/win/mail_log_file.h"

#include <windows.h>

#include "common/dav_registry.h"
#include "common/win/registry_key.h"

namespace {

// The uninstall command's directory, with its trailing backslash.
std::string InstallDirectory() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, dav::kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return {};
  }
  RegistryKey owner(key);
  char value[261] = {};
  DWORD size = sizeof value - 1;
  if (RegQueryValueExA(key, dav::kUninstallString, nullptr, nullptr,
                       reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS) {
    return {};
  }
  std::string command(value, strnlen(value, size));
  const std::size_t slash = command.rfind('\\');
  return slash == std::string::npos ? std::string() : command.substr(0, slash + 1);
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

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
  if (file.get() == INVALID_HANDLE_VALUE) return false;
  SetFilePointer(file.get(), 0, nullptr, FILE_END);
  DWORD written = 0;
  return WriteFile(file.get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr) &&
         written == entry.size();
}
