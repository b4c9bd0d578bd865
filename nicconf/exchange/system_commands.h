#pragma once
// What the route/ARP path asks of the operating system, as a seam: running
// route and arp, the administrator check, and the limits. The defaults are
// the real ones; tests point them at stand-ins and short limits.

#include <cstdint>

namespace nic {

struct SystemCommands {
  // Runs a command line hidden and waits for it: kPending (0) when it exited
  // with 0, kCommandNotStarted, or kCommandFailed (another exit code, or
  // still running after `limitMs`, when it is ended).
  std::uint32_t (*run)(void* context, const char* commandLine, std::uint32_t limitMs);
  // On Windows NT: the user may open the service control manager with full
  // access. Elsewhere always true.
  bool (*isAdministrator)(void* context);
  void* context;
  std::uint32_t limitMs;
  // Where the nudge datagram goes before a NIC is spoken to under the
  // unknown-NIC address.
  const char* nudgeAddress;
};

const SystemCommands& DefaultSystemCommands();
void SetSystemCommands(const SystemCommands& commands);
void ResetSystemCommands();
const SystemCommands& CurrentSystemCommands();

}  // namespace nic
