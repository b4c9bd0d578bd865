#pragma once
// What the route/ARP path asks of the operating system: running route and
// arp, and the administrator check. The real calls run the commands hidden;
// tests point them at stand-ins.

#include <cstdint>

namespace nic {

struct SystemCommandCalls {
  void* context;
  // Runs a command line hidden and waits for it: kPending (0) when it exited
  // with 0, kCommandNotStarted, or kCommandFailed (another exit code, or
  // still running after `limitMs`, when it is ended).
  std::uint32_t (*run)(void* context, const char* commandLine, std::uint32_t limitMs);
  // On Windows NT: the user may open the service control manager with full
  // access. Elsewhere always true.
  bool (*isAdministrator)(void* context);
};

SystemCommandCalls OperatingSystemCommands();

// The limits of the route/ARP path.
struct ArpPathSettings {
  std::uint32_t commandLimitMs = 30000;
  // Where the nudge datagram goes before a NIC is spoken to under the
  // unknown-NIC address.
  const char* nudgeAddress = "111.111.222.222";
};

}  // namespace nic
