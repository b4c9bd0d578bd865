#include "tools/smtpsink/record_folder.h"

#include <filesystem>
#include <fstream>

namespace smtpsink {

bool RecordFolder::Prepare(std::string* error) const {
  std::error_code failed;
  std::filesystem::create_directories(path_, failed);
  if (failed && error != nullptr) *error = "cannot create " + path_ + ": " + failed.message();
  return !failed;
}

std::string RecordFolder::PartPath(int number) const {
  return path_ + "/." + SessionFileName(number) + ".part";
}

std::string RecordFolder::SessionPath(int number) const {
  return path_ + "/" + SessionFileName(number);
}

void RecordFolder::Finished(const SessionSummary& session) {
  std::lock_guard lock(mutex_);
  std::ofstream(path_ + "/sessions.log", std::ios::app) << FormatSessionLine(session) << "\n";
  ++finished_;
  changed_.notify_all();
}

bool RecordFolder::WaitForSessions(int count, int timeoutMs) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return finished_ >= count; });
}

}  // namespace smtpsink
