#pragma once
// The nicsim program's arguments:
//   nicsim --config FILE [--jobs DIR] [--log FILE] [--control PORT]
//          [--network A.B.C.D/N] [--broadcast A.B.C.D]
// --network lets NICs live outside loopback (only inside a test's own network
// namespace); --broadcast serves probes sent to that broadcast address.

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
};

// False with a one-line reason.
bool ParseCommandLine(int argc, const char* const* argv, CommandLine* out, std::string* error);

}  // namespace nicsim
