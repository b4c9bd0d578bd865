#pragma once
// Running a system command hidden and waiting for it, and the one privilege
// check the suite makes. The command line is split at spaces and run without
// a shell, so callers pass only words they have checked.

#include <cstdint>

namespace platform {

enum class RunResult { Succeeded, NotStarted, Failed };

// Waits in 100 ms steps; a command still running after `limitMs` is ended
// and counts as failed, as does any exit code but 0.
RunResult RunHidden(const char* commandLine, std::uint32_t limitMs);

// Windows: the user may open the service control manager with full access
// (an administrator). Elsewhere always true.
bool CanOpenServiceManager();

}  // namespace platform
