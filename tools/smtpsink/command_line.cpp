#include "tools/smtpsink/command_line.h"

#include <charconv>

namespace smtpsink {
namespace {

bool ParseListen(const std::string& text, SinkSettings& settings) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos) return false;
  const char* first = text.data() + colon + 1;
  const char* last = text.data() + text.size();
  std::uint16_t port = 0;
  const auto [end, failed] = std::from_chars(first, last, port);
  if (failed != std::errc() || end != last || port == 0) return false;
  settings.ip = text.substr(0, colon);
  settings.port = port;
  return true;
}

void ApplyOption(const std::string& option, const std::string& value, SinkSettings& settings,
                 std::string& error) {
  if (option == "--listen") {
    if (!ParseListen(value, settings)) error = "bad --listen '" + value + "', want ADDRESS:PORT";
  } else if (option == "--record") {
    settings.recordDir = value;
  } else if (option == "--mode") {
    const auto mode = ParseSinkMode(value);
    if (!mode) error = "bad mode '" + value + "'";
    settings.mode = mode.value_or(settings.mode);
  } else {
    error = "unknown option " + option;
  }
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, SinkSettings* out, std::string* error) {
  SinkSettings settings;
  std::string reason;
  for (int i = 1; i < argc && reason.empty(); i += 2) {
    if (i + 1 >= argc) {
      reason = std::string(argv[i]) + " needs a value";
    } else {
      ApplyOption(argv[i], argv[i + 1], settings, reason);
    }
  }
  if (reason.empty() && settings.port == 0) reason = "--listen ADDRESS:PORT is required";
  if (reason.empty() && settings.recordDir.empty()) reason = "--record DIR is required";
  if (!reason.empty()) {
    if (error != nullptr) *error = reason;
    return false;
  }
  *out = settings;
  return true;
}

}  // namespace smtpsink
