#pragma once
// A native program a test runs as its callers would: started with its
// arguments, its standard output read line by line, asked to stop with
// SIGTERM, and its exit code taken. A program still running when the owner
// ends is stopped.

#include <sys/types.h>

#include <string>
#include <vector>

namespace testkit {

class ChildProcess {
 public:
  // `args` starts with the program's own name as it sees it in argv[0].
  ChildProcess(const char* program, const std::vector<std::string>& args);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line the program writes, or "" when it ends or stays silent
  // for `waitMs`.
  std::string NextLine(int waitMs = 5000);
  // SIGTERM, then the exit code (-1 when it did not exit normally).
  int Stop();
  int Wait();

 private:
  pid_t pid_ = 0;
  int output_ = -1;
};

}  // namespace testkit
