// maintsvc: the maintenance agent as a Windows NT service. Installs and
// removes itself, runs in the console for debugging, and otherwise is the
// service the control manager starts.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "agent/maintsvc/console_commands.h"
#include "agent/maintsvc/debug_mode.h"
#include "agent/maintsvc/service_entry.h"
#include "common/win/entry_guard.h"

namespace {

struct Command {
  const char* name;
  void (*run)();
};

constexpr Command kCommands[] = {
    {"install", maintsvc::InstallService},
    {"remove", maintsvc::RemoveService},
    {"debug", maintsvc::RunInConsole},
};

// The command of "-word" or "/word", compared without regard to case.
const Command* FindCommand(int argc, char** argv) {
  if (argc < 2 || (argv[1][0] != '-' && argv[1][0] != '/')) return nullptr;
  for (const Command& command : kCommands) {
    if (_stricmp(argv[1] + 1, command.name) == 0) return &command;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  // Progress dots and the debugging messages must show at once, also
  // through a pipe.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  return GuardedEntry(1, [&] {
    if (const Command* command = FindCommand(argc, argv)) {
      command->run();
    } else {
      maintsvc::RunDispatcher();
    }
    return 0;
  });
}
