#include "tools/nicsim/command_line.h"

#include <charconv>

namespace nicsim {
namespace {

bool ParsePort(const std::string& text, std::uint16_t& port) {
  const char* last = text.data() + text.size();
  const auto [end, failed] = std::from_chars(text.data(), last, port);
  return failed == std::errc() && end == last && port != 0;
}

bool ApplyOption(const std::string& option, const std::string& value, CommandLine& line,
                 std::string& error) {
  if (option == "--config") {
    line.configPath = value;
  } else if (option == "--jobs") {
    line.jobDir = value;
  } else if (option == "--log") {
    line.logPath = value;
  } else if (option == "--control" || option == "--ipx-port-base") {
    std::uint16_t port = 0;
    if (!ParsePort(value, port)) {
      error = "bad port '" + value + "' for " + option;
      return false;
    }
    (option == "--control" ? line.controlPort : line.ipxPortBase) = port;
  } else if (option == "--network") {
    line.network = value;
  } else if (option == "--broadcast") {
    line.broadcast = value;
  } else {
    error = "unknown option " + option;
    return false;
  }
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, CommandLine* out, std::string* error) {
  CommandLine line;
  std::string reason;
  for (int i = 1; i < argc; i += 2) {
    if (i + 1 >= argc) {
      reason = std::string(argv[i]) + " needs a value";
      break;
    }
    if (!ApplyOption(argv[i], argv[i + 1], line, reason)) break;
  }
  if (reason.empty() && line.configPath.empty()) reason = "--config FILE is required";
  if (!reason.empty()) {
    if (error != nullptr) *error = reason;
    return false;
  }
  *out = line;
  return true;
}

}  // namespace nicsim
