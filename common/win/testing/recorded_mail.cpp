#include "common/win/testing/recorded_mail.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "common/win/testing/registry_sandbox.h"

std::vector<std::string> RecordedSessions(const char* stateVariable) {
  const char* state = std::getenv(stateVariable);
  std::vector<std::string> sessions;
  for (int n = 1; state != nullptr; ++n) {
    char name[40];
    std::snprintf(name, sizeof name, "/sessions/session-%04d.txt", n);
    const std::string path = std::string(state) + name;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) break;
    sessions.push_back(ReadWholeFile(path));
  }
  return sessions;
}
