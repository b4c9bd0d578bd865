#include "platform/process.h"

#include "platform/tick.h"

#ifdef _WIN32
#include <windows.h>

#include <string>

#include "common/win/kernel_handle.h"
#include "common/win/service_handle.h"
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

extern char** environ;
#endif

namespace platform {
namespace {
constexpr std::uint32_t kStepMs = 100;
}

#ifdef _WIN32

RunResult RunHidden(const char* commandLine, std::uint32_t limitMs) {
  std::string line(commandLine);  // CreateProcess may write into it
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | HIGH_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &started)) {
    return RunResult::NotStarted;
  }
  const ProcessHandles process(started);
  const std::uint32_t start = TickCount();
  for (;;) {
    Sleep(kStepMs);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.process.get(), &code);
    if (code != STILL_ACTIVE) return code == 0 ? RunResult::Succeeded : RunResult::Failed;
    if (TicksSince(start) > limitMs) {
      TerminateProcess(process.process.get(), 1);
      return RunResult::Failed;
    }
  }
}

bool CanOpenServiceManager() {
  return static_cast<bool>(ServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS)));
}

#else

RunResult RunHidden(const char* commandLine, std::uint32_t limitMs) {
  std::vector<std::string> words;
  std::istringstream in(commandLine);
  for (std::string word; in >> word;) words.push_back(word);
  if (words.empty()) return RunResult::NotStarted;
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd = 0; fd <= 2; ++fd) {
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
  }
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return RunResult::NotStarted;

  const std::uint32_t start = TickCount();
  for (;;) {
    SleepMs(kStepMs);
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? RunResult::Succeeded
                                                           : RunResult::Failed;
    }
    if (TicksSince(start) > limitMs) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return RunResult::Failed;
    }
  }
}

bool CanOpenServiceManager() { return true; }

#endif

}  // namespace platform
