#pragma once
// One finished session as sessions.log lists it, one line each, in the order
// the sessions ended:
//   session-0001.txt 127.0.0.1:40312 accept quit 523
// file name, client address, mode, how it ended, bytes received. It ended by
// "quit" (QUIT answered), "eof" (the client closed), "reset" (the
// connection failed), "closed" (close mode) or "stopped" (the sink stopped).

#include <cstdint>
#include <string>

#include "tools/smtpsink/sink_mode.h"

namespace smtpsink {

struct SessionSummary {
  int number = 0;  // from 1, in the order the connections were accepted
  std::string peer;
  SinkMode mode = SinkMode::kAccept;
  std::string end;
  std::uint64_t bytes = 0;
};

// "session-0001.txt": where the session's bytes are, once it has ended.
std::string SessionFileName(int number);

std::string FormatSessionLine(const SessionSummary& session);

}  // namespace smtpsink
