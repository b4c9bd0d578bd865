#pragma once
// How the sink treats its clients: a working mail server, or one of the
// failures a mail sender has to live with.

#include <optional>
#include <string_view>

namespace smtpsink {

enum class SinkMode {
  kAccept,  // answers as a mail server that takes every message
  kReject,  // answers the greeting and every command with 554, and goes on reading
  kClose,   // closes each connection at once, without a greeting
  kSilent,  // never answers; reads until the client closes
};

// "accept", "reject", "close" or "silent".
std::optional<SinkMode> ParseSinkMode(std::string_view text);
const char* SinkModeName(SinkMode mode);

}  // namespace smtpsink
