#include "tools/smtpsink/session_summary.h"

#include <cstdio>

namespace smtpsink {

std::string SessionFileName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "session-%04d.txt", number);
  return name;
}

std::string FormatSessionLine(const SessionSummary& session) {
  return SessionFileName(session.number) + " " + session.peer + " " +
         SinkModeName(session.mode) + " " + session.end + " " + std::to_string(session.bytes);
}

}  // namespace smtpsink
