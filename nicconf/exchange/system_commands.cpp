#include "nicconf/exchange/system_commands.h"

#include "nicconf/exchange/end_code.h"
#include "platform/process.h"

namespace nic {
namespace {

constexpr std::uint32_t kCommandLimitMs = 30000;

std::uint32_t RunCommand(void*, const char* commandLine, std::uint32_t limitMs) {
  switch (platform::RunHidden(commandLine, limitMs)) {
    case platform::RunResult::Succeeded: return kPending;
    case platform::RunResult::NotStarted: return kCommandNotStarted;
    default: return kCommandFailed;
  }
}

bool IsAdministrator(void*) { return platform::CanOpenServiceManager(); }

constexpr SystemCommands kDefault{RunCommand, IsAdministrator, nullptr, kCommandLimitMs,
                                  "111.111.222.222"};
SystemCommands current = kDefault;

}  // namespace

const SystemCommands& DefaultSystemCommands() { return kDefault; }
void SetSystemCommands(const SystemCommands& commands) { current = commands; }
void ResetSystemCommands() { current = kDefault; }
const SystemCommands& CurrentSystemCommands() { return current; }

}  // namespace nic
