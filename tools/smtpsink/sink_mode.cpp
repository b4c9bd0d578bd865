#include "tools/smtpsink/sink_mode.h"

#include <array>
#include <utility>

namespace smtpsink {
namespace {

constexpr std::array<std::pair<SinkMode, const char*>, 4> kNames = {{
    {SinkMode::kAccept, "accept"},
    {SinkMode::kReject, "reject"},
    {SinkMode::kClose, "close"},
    {SinkMode::kSilent, "silent"},
}};

}  // namespace

std::optional<SinkMode> ParseSinkMode(std::string_view text) {
  for (const auto& [mode, name] : kNames) {
    if (text == name) return mode;
  }
  return std::nullopt;
}

const char* SinkModeName(SinkMode mode) {
  for (const auto& [known, name] : kNames) {
    if (known == mode) return name;
  }
  return "?";
}

}  // namespace smtpsink
