#pragma once
// The bytes one client sent, exactly as they arrived: commands, message data
// (dot-stuffing left as it is) and whatever followed, without the replies.

#include <fstream>
#include <string_view>

#include "tools/smtpsink/record_folder.h"

namespace smtpsink {

class SessionRecording {
 public:
  // `session` carries number, peer and mode; the rest is filled in here.
  SessionRecording(RecordFolder& folder, SessionSummary session);

  void Append(std::string_view bytes);

  // Puts the session file in place and logs it; `end` as in sessions.log.
  void Commit(const char* end);

 private:
  RecordFolder& folder_;
  SessionSummary session_;
  std::ofstream file_;
};

}  // namespace smtpsink
