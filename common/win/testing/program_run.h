#pragma once
// Programs of the test's own build folder run as a user would run them, and
// the prefix's real registry, which those programs see (a test's sandbox is
// for its own process only).

#include <windows.h>

#include <string>

#include "common/win/testing/saved_registry_value.h"

// A program in the test program's own folder.
std::string ProgramBeside(const char* name);

// regsvr32 /s [/u] on a module of the test program's folder; its exit code.
DWORD RunRegsvr32(const char* module, bool unregister);

struct ConsoleRun {
  DWORD exitCode = STILL_ACTIVE;
  std::string output;  // standard output and error, line ends as "\n"
};

// Runs the command line to its end (or kills it after `timeoutMs`). With
// `interruptAfterMs` the program gets a Ctrl+C that long after its start: it
// then shares a console with the test, which swallows its own Ctrl+C.
ConsoleRun RunConsole(const std::string& commandLine, DWORD timeoutMs = 30000,
                      DWORD interruptAfterMs = INFINITE);

// A DWORD below HKLM for the life of the owner; what was there before (the
// value, or the keys that did not exist) comes back afterwards.
class RealRegistryDword {
 public:
  RealRegistryDword(const char* key, const char* name);
  RealRegistryDword(const RealRegistryDword&) = delete;
  RealRegistryDword& operator=(const RealRegistryDword&) = delete;

  bool Set(DWORD value);
  bool Remove();

 private:
  std::string key_, name_;
  SavedRegistryValue saved_;
};
