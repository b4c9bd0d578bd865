#include "nicconf/exchange/system_commands.h"

#include "nicconf/exchange/end_code.h"
#include "platform/process.h"

namespace nic {
namespace {

std::uint32_t RunCommand(void*, const char* commandLine, std::uint32_t limitMs) {
  switch (platform::RunHidden(commandLine, limitMs)) {
    case platform::RunResult::Succeeded: return kPending;
    case platform::RunResult::NotStarted: return kCommandNotStarted;
    default: return kCommandFailed;
  }
}

bool IsAdministrator(void*) { return platform::CanOpenServiceManager(); }

}  // namespace

SystemCommandCalls OperatingSystemCommands() { return {nullptr, RunCommand, IsAdministrator}; }

}  // namespace nic
