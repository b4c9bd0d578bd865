#pragma once
// The nicsim program's arguments:
//   nicsim --config FILE [--jobs DIR] [--log FILE] [--control PORT]
//          [--network A.B.C.D/N] [--broadcast A.B.C.D] [--ipx-port-base PORT]
// --network lets NICs live outside loopback (only inside a test's own network
// namespace); --broadcast serves probes sent to that broadcast address;
// --ipx-port-base is the loopback IPX's port base (the NetWare stand-in's
// segment file says the same).

#include <cstdint>
#include <optional>
#include <string>

namespace nicsim {

struct CommandLine {
  std::string configPath;
  std::string jobDir = "nicsim-jobs";
  std::string logPath;             // empty: no log
  std::optional<std::uint16_t> controlPort;
  std::string network;    // empty: loopback only
  std::string broadcast;  // empty: none
  std::optional<std::uint16_t> ipxPortBase;
};

// False with a one-line reason.
bool ParseCommandLine(int argc, const char* const* argv, CommandLine* out, std::string* error);

}  // namespace nicsim
