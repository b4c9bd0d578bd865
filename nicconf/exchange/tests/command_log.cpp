#include "nicconf/exchange/tests/command_log.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace nic::test {

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  SetEnvironmentVariableA(name, value);
#else
  if (value == nullptr) {
    unsetenv(name);
  } else {
    setenv(name, value, 1);
  }
#endif
}

namespace {

int ProcessId() {
#ifdef _WIN32
  return static_cast<int>(GetCurrentProcessId());
#else
  return static_cast<int>(getpid());
#endif
}

void PutStandInsFirst() {
#ifndef _WIN32
  static const bool done = [] {
    const char* path = std::getenv("PATH");
    const std::string value = std::string(NICSUITE_STANDIN_DIR) + ":" + (path ? path : "");
    setenv("PATH", value.c_str(), 1);
    return true;
  }();
  (void)done;
#endif
}

}  // namespace

CommandLog::CommandLog() : path_("command-log-" + std::to_string(ProcessId()) + ".txt") {
  PutStandInsFirst();
  std::remove(path_.c_str());
  SetEnvironment("NICSUITE_COMMAND_LOG", path_.c_str());
}

CommandLog::~CommandLog() {
  std::remove(path_.c_str());
  SetEnvironment("NICSUITE_ROUTE_MODE", nullptr);
  SetEnvironment("NICSUITE_ARP_MODE", nullptr);
}

std::vector<std::string> CommandLog::Lines() const {
  std::vector<std::string> lines;
  std::ifstream in(path_);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace nic::test
