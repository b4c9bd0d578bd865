// Stand-in for the system's route and arp commands in tests: appends its
// name and arguments as one line to the file NICSUITE_COMMAND_LOG names,
// then exits 0 - or 1 when NICSUITE_<NAME>_MODE is "fail", or never when it
// is "hang" (the caller's time limit must end it).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#ifndef STANDIN_NAME
#error STANDIN_NAME names the command this stand-in replaces
#endif

namespace {

std::string ModeVariable() {
  std::string name = "NICSUITE_";
  for (const char* p = STANDIN_NAME; *p != '\0'; ++p) {
    name += static_cast<char>(*p >= 'a' && *p <= 'z' ? *p - 'a' + 'A' : *p);
  }
  return name + "_MODE";
}

void Record(int argc, char** argv) {
  const char* path = std::getenv("NICSUITE_COMMAND_LOG");
  if (path == nullptr || *path == '\0') return;
  std::string line = STANDIN_NAME;
  for (int i = 1; i < argc; ++i) line += std::string(" ") + argv[i];
  if (std::FILE* log = std::fopen(path, "ab")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Record(argc, argv);
  const char* mode = std::getenv(ModeVariable().c_str());
  if (mode != nullptr && std::strcmp(mode, "fail") == 0) return 1;
  if (mode != nullptr && std::strcmp(mode, "hang") == 0) {
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
  }
  return 0;
}
