#include "common/testing/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testkit {

ChildProcess::ChildProcess(const char* program, const std::vector<std::string>& args) {
  int out[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return;
  output_ = out[0];
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, program, &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) Stop();
  if (output_ >= 0) ::close(output_);
}

std::string ChildProcess::NextLine(int waitMs) {
  std::string line;
  char c = 0;
  pollfd fd{output_, POLLIN, 0};
  while (::poll(&fd, 1, waitMs) == 1 && ::read(output_, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

int ChildProcess::Stop() {
  if (pid_ > 0) ::kill(pid_, SIGTERM);
  return Wait();
}

int ChildProcess::Wait() {
  if (pid_ <= 0) return -1;
  int status = 0;
  ::waitpid(pid_, &status, 0);
  pid_ = 0;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testkit
