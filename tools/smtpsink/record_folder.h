#pragma once
// The folder sessions are recorded in. Each session is written to a hidden
// part file and renamed to its session file once it has ended, so a reader
// never sees half a session; then its line is appended to sessions.log.

#include <condition_variable>
#include <mutex>
#include <string>
#include <utility>

#include "tools/smtpsink/session_summary.h"

namespace smtpsink {

class RecordFolder {
 public:
  explicit RecordFolder(std::string path) : path_(std::move(path)) {}

  // Creates the folder when it is missing.
  bool Prepare(std::string* error) const;

  std::string PartPath(int number) const;
  std::string SessionPath(int number) const;

  // Serving thread only.
  int NextNumber() { return ++lastNumber_; }

  // Logs a session whose file is in place, and wakes those waiting for it.
  void Finished(const SessionSummary& session);

  // Until `count` sessions have finished; false after `timeoutMs`.
  bool WaitForSessions(int count, int timeoutMs) const;

 private:
  std::string path_;
  int lastNumber_ = 0;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  int finished_ = 0;
};

}  // namespace smtpsink
