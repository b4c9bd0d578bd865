#pragma once
// The smtpsink program's arguments:
//   smtpsink --listen 127.0.0.N:PORT --record DIR [--mode accept|reject|close|silent]

#include <string>

#include "tools/smtpsink/smtp_sink.h"

namespace smtpsink {

// False with a one-line reason.
bool ParseCommandLine(int argc, const char* const* argv, SinkSettings* out, std::string* error);

}  // namespace smtpsink
