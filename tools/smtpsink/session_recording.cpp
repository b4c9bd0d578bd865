#include "tools/smtpsink/session_recording.h"

#include <cstdio>

namespace smtpsink {

SessionRecording::SessionRecording(RecordFolder& folder, SessionSummary session)
    : folder_(folder),
      session_(std::move(session)),
      file_(folder.PartPath(session_.number), std::ios::binary | std::ios::trunc) {}

void SessionRecording::Append(std::string_view bytes) {
  file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  session_.bytes += bytes.size();
}

void SessionRecording::Commit(const char* end) {
  file_.close();
  std::rename(folder_.PartPath(session_.number).c_str(),
              folder_.SessionPath(session_.number).c_str());
  session_.end = end;
  folder_.Finished(session_);
}

}  // namespace smtpsink
