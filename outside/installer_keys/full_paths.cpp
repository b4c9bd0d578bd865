#include "outside/installer_keys/full_paths.h"

#include <windows.h>

namespace installer {
namespace {

// The agents read "RMMDLL" into 256 bytes and "UninstallString" into 260,
// each with its terminating zero.
constexpr std::size_t kLongestLibraryPath = 255;
constexpr std::size_t kLongestUninstallCommand = 259;
constexpr char kUninstallProgram[] = "uninst.exe";

bool Absolute(std::string& path) {
  char full[MAX_PATH * 2] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  if (length == 0 || length >= sizeof full) return false;
  path.assign(full, length);
  return true;
}

// Checks the length before as well: the system makes nothing absolute that
// is longer than MAX_PATH.
bool Resolve(std::string& path, std::size_t longest, const std::string& tooLong,
             const char* option, std::string& problem) {
  const bool made = path.size() <= longest && Absolute(path);
  if (made && path.size() <= longest) return true;
  problem = path.size() > longest ? tooLong + path
                                  : std::string("cannot make the ") + option + " path absolute";
  return false;
}

bool ResolveLibrary(std::string& path, const char* option, std::string& problem) {
  return Resolve(path, kLongestLibraryPath,
                 std::string(option) + " path longer than 255 characters: ", option, problem);
}

}  // namespace

std::string UninstallCommand(const std::string& installDirectory) {
  std::string folder = installDirectory;
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder + "\\" + kUninstallProgram;
}

bool ResolvePaths(InstallRequest& request, std::string& problem) {
  if (request.model && (!ResolveLibrary(request.model->plugin, "--plugin", problem) ||
                        !ResolveLibrary(request.model->pages, "--pages", problem))) {
    return false;
  }
  if (!request.installDirectory) return true;
  // The command adds a backslash and its name to the folder.
  constexpr std::size_t kLongestFolder = kLongestUninstallCommand - 1 - sizeof kUninstallProgram + 1;
  return Resolve(*request.installDirectory, kLongestFolder,
                 "--install-dir longer than 248 characters: ", "--install-dir", problem);
}

}  // namespace installer
