// installer_keys: writes the registry keys that the product's installer
// writes, for a development set-up of the alarm-mail deliverables.
#include <cstdio>
#include <string>
#include <vector>

#include "outside/installer_keys/full_paths.h"
#include "outside/installer_keys/install_request.h"
#include "outside/installer_keys/key_writer.h"

namespace {

constexpr int kWritten = 0;
constexpr int kRegistryRefused = 1;
constexpr int kBadArguments = 2;

int BadArguments(const std::string& problem) {
  std::fprintf(stderr, "installer_keys: %s\n%s", problem.c_str(), installer::kUsage);
  return kBadArguments;
}

bool AsksForHelp(int argc, char** argv) {
  if (argc != 2) return false;
  const std::string word = argv[1];
  return word == "--help" || word == "-h" || word == "/?";
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv)) {
    std::fputs(installer::kUsage, stdout);
    return kWritten;
  }
  installer::ParsedArguments parsed =
      installer::ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.request) return BadArguments(parsed.problem);
  std::string problem;
  if (!installer::ResolvePaths(*parsed.request, problem)) return BadArguments(problem);
  if (!installer::WriteInstallerKeys(*parsed.request, problem)) {
    std::fprintf(stderr, "installer_keys: %s\n", problem.c_str());
    return kRegistryRefused;
  }
  return kWritten;
}
